#include "master/client_supplier_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include "widgets/form_widgets.h"

namespace {

const QColor LIST_BACKGROUND(216, 205, 232);

} // namespace

ClientSupplierTab::ClientSupplierTab(Env& env, QWidget* parent)
    : FormTab(env,
              {loadClientSupplierTab, saveClientSupplier, newClientSupplier, deleteClientSupplier,
               clientSupplierReturnPressed, sortClientSupplierList, clearClientSupplierFields,
               findClientSupplierByName, selectClientSupplierRow},
              parent),
      code_(codeLabel()),
      name_(upperCaseComboBox()),
      list_(new QTreeWidget)
{
    name_->setMinimumWidth(300);

    auto* address = new QLineEdit;
    makeUpperCase(address);
    address->setMinimumWidth(300);
    struct Entry {
        QString label;
        QLineEdit* edit;
        QString ClientSupplierForm::*member;
        ClientSupplierField field;
    };
    const Entry entries[] = {
        {QStringLiteral("Adresse:"), address, &ClientSupplierForm::address, ClientSupplierField::Address},
        {QStringLiteral("N° téléphone:"), new QLineEdit, &ClientSupplierForm::telephone, ClientSupplierField::Telephone},
        {QStringLiteral("N° R.Commerce:"), new QLineEdit, &ClientSupplierForm::tradeRegister, ClientSupplierField::TradeRegister},
        {QStringLiteral("Matricule fiscal:"), new QLineEdit, &ClientSupplierForm::taxIdentification,
         ClientSupplierField::TaxIdentification},
        {QStringLiteral("N° article:"), new QLineEdit, &ClientSupplierForm::taxArticle, ClientSupplierField::TaxArticle},
        {QStringLiteral("Numéro NIS:"), new QLineEdit, &ClientSupplierForm::statisticalNumber,
         ClientSupplierField::StatisticalNumber},
        {QStringLiteral("Solde initial:"), amountEdit(), &ClientSupplierForm::openingBalance, ClientSupplierField::OpeningBalance},
    };

    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    grid->addWidget(fieldLabel(QStringLiteral("Code interne:"), code_), 0, 0);
    grid->addWidget(code_, 0, 1, Qt::AlignLeft);
    grid->addWidget(fieldLabel(QStringLiteral("Nom ou Raison sociale:"), name_), 1, 0);
    grid->addWidget(name_, 1, 1, Qt::AlignLeft);
    fields_.push_back({name_, ClientSupplierField::Name});
    // Code, name, address and relation on the left; the numbers and the balance on the right.
    int rightRow = 0;
    for (const Entry& entry : entries) {
        const bool left = entry.field == ClientSupplierField::Address;
        const int gridRow = left ? 2 : rightRow++;
        const int column = left ? 0 : 3;
        grid->addWidget(fieldLabel(entry.label, entry.edit), gridRow, column);
        if (!left) entry.edit->setFixedWidth(200);
        grid->addWidget(entry.edit, gridRow, column + 1, left ? Qt::AlignLeft : Qt::Alignment());
        edits_.push_back({entry.edit, entry.member});
        fields_.push_back({entry.edit, entry.field});
    }

    auto* relationBox = new QWidget;
    auto* relationLayout = new QHBoxLayout(relationBox);
    relationLayout->setContentsMargins(0, 0, 0, 0);
    for (const auto& [caption, letter] : {std::pair{QStringLiteral("Client"), RELATION_CLIENT},
                                          std::pair{QStringLiteral("Fournisseur"), RELATION_SUPPLIER},
                                          std::pair{QStringLiteral("Client-Fournisseur"), RELATION_BOTH}}) {
        auto* option = new QRadioButton(caption);
        relationLayout->addWidget(option);
        relations_.push_back({option, letter});
    }
    grid->addWidget(fieldLabel(QStringLiteral("Type de relation:"), relationBox), 3, 0);
    grid->addWidget(relationBox, 3, 1, Qt::AlignLeft);

    grid->setColumnMinimumWidth(2, 40);
    auto* clear = clearButton();
    grid->addWidget(clear, 0, 5, 7, 1, Qt::AlignCenter);
    grid->setColumnStretch(6, 1);

    setupList(list_,
              {{QStringLiteral("Code"), 40},
               {QStringLiteral("Nom ou Raison sociale"), 150},
               {QStringLiteral("Adresse"), 100},
               {QStringLiteral("N° téléphone"), 100},
               {QStringLiteral("N° R. C."), 80},
               {QStringLiteral("Mat. fiscal"), 80},
               {QStringLiteral("N° article"), 80},
               {QStringLiteral("N. I. S."), 80},
               {QStringLiteral("Solde initial"), 80},
               {QStringLiteral("Relation"), 80}},
              LIST_BACKGROUND);

    buildTab(QStringLiteral("TABLE DES CLIENTS - FOURNISSEURS"), frame,
             QStringLiteral("(#F6) Nouveau Client-fournisseur"), clear, name_, list_,
             {{new QCheckBox(QStringLiteral("Code CF")), ClientSupplierSort::Code},
              {new QCheckBox(QStringLiteral("Client-Fournisseur")), ClientSupplierSort::Name}});
}

void ClientSupplierTab::pullFields()
{
    form_.code = code_->text();
    form_.name = name_->currentText();
    for (const auto& [edit, member] : edits_) form_.*member = edit->text();
    for (const auto& [option, letter] : relations_)
        if (option->isChecked()) form_.relation = letter;
}

void ClientSupplierTab::pushFields()
{
    code_->setText(form_.code);
    showCombo(name_, form_.names, form_.name);
    for (const auto& [edit, member] : edits_) showText(edit, form_.*member);
    for (const auto& [option, letter] : relations_) option->setChecked(form_.relation == letter);
}
