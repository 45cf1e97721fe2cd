#include "journals/journal_tabs.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/list_table.h"

namespace {

struct DocumentJournalLook {
    QString title;
    QString nameLabel;
    std::vector<ListColumn> columns;
    QColor colour;
};

DocumentJournalLook lookOf(DocumentJournal journal)
{
    const auto columns = [](const QString& number, int numberWidth, int designationWidth, int priceWidth, const QString& name,
                            int nameWidth) {
        return std::vector<ListColumn>{{QStringLiteral("Date"), 80},
                                       {number, numberWidth},
                                       {QStringLiteral(" DESIGNATION DU PRODUIT"), designationWidth},
                                       {QStringLiteral(" Qté"), 60},
                                       {QStringLiteral(" P. U."), priceWidth},
                                       {QStringLiteral(" MONTANT"), 100},
                                       {name, nameWidth}};
    };
    switch (journal) {
    case DocumentJournal::Receptions:
        return {QStringLiteral("JOURNAL DES RECEPTIONS"), QStringLiteral("Fournisseur :"),
                columns(QStringLiteral(" N° BR"), 50, 250, 80, QStringLiteral("FOURNISSEUR"), 150), QColor(217, 252, 242)};
    case DocumentJournal::Deliveries:
        return {QStringLiteral("JOURNAL DES LIVRAISONS"), QStringLiteral("Client :"),
                columns(QStringLiteral(" N° BL"), 50, 250, 80, QStringLiteral("C L I E N T"), 150), QColor(250, 253, 209)};
    case DocumentJournal::Invoices:
        return {QStringLiteral("JOURNAL DES FACTURES"), QStringLiteral("Client :"),
                columns(QStringLiteral("N° FAC."), 60, 200, 100, QStringLiteral("        C L I E N T"), 250), QColor(211, 244, 201)};
    }
    return {};
}

std::vector<ListColumn> treasuryColumns(int labelWidth)
{
    return {{QStringLiteral("Date"), 80}, {QStringLiteral(" L I B E L L E"), labelWidth}, {QStringLiteral(" Recette"), 100},
            {QStringLiteral(" Dépense"), 100}, {QStringLiteral(" SOLDE"), 100}};
}

QLineEdit* positionField(const QColor& background, bool editable, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setAlignment(editable ? Qt::AlignCenter : Qt::AlignRight);
    field->setReadOnly(!editable);
    if (!editable) field->setFocusPolicy(Qt::ClickFocus);
    field->setMaximumWidth(160);
    setBackground(field, background);
    return field;
}

} // namespace

JournalTab::JournalTab(const QString& titleText, const std::vector<ListColumn>& columns, const QColor& listColour,
                       int progressMaximum, QWidget* parent)
    : FormTab(parent)
{
    title = titleLabel(titleText, this);
    from = datePicker(this);
    to = datePicker(this);
    list = new ListTable(columns, listColour, this);
    printButton = keyButton(QStringLiteral("(#F2) Imprimer"), this);
    progress = new QProgressBar(this);
    progress->setRange(0, progressMaximum);
    progress->setValue(0);
    showButton = keyButton(QStringLiteral("(#F8) Afficher"), this);
}

void JournalTab::layOut(QLayout* filters, QWidget* below)
{
    auto* head = new QHBoxLayout;
    addField(head, QStringLiteral("PERIODE DU :"), from);
    head->addSpacing(12);
    addField(head, QStringLiteral("AU :"), to);
    if (filters) {
        head->addSpacing(24);
        head->addLayout(filters, 1);
    } else {
        head->addStretch(1);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addWidget(progress, 1);
    buttons->addWidget(showButton);

    auto* page = new QVBoxLayout(this);
    page->addLayout(titleRow(title, nullptr));
    page->addWidget(frame(head, this));
    page->addWidget(list, 1);
    page->addLayout(buttons);
    if (below) page->addWidget(below);
}

void JournalTab::pullPeriod(QString& fromText, QString& toText) const
{
    fromText = datePickerText(from);
    toText = datePickerText(to);
}

void JournalTab::pushList(const ListView& rows, int progressValue)
{
    list->showRows(rows);
    progress->setValue(progressValue);
}

DocumentJournalTab::DocumentJournalTab(DocumentJournal kind, QWidget* parent)
    : JournalTab(lookOf(kind).title, lookOf(kind).columns, lookOf(kind).colour, documentJournalProgressMaximum(kind), parent),
      journal(kind)
{
    name = upperCaseComboBox(this);
    family = upperCaseComboBox(this);
    auto* filters = new QHBoxLayout;
    addField(filters, lookOf(kind).nameLabel, name, 2);
    filters->addSpacing(12);
    addField(filters, QStringLiteral("Famille :"), family, 1);
    layOut(filters, nullptr);
}

void DocumentJournalTab::pullForm()
{
    pullPeriod(form.from, form.to);
    form.name = name->currentText();
    form.family = family->currentText();
}

void DocumentJournalTab::pushForm() { pushList(form.list, form.progress); }

TreasuryJournalTab::TreasuryJournalTab(TreasuryBook kind, QWidget* parent)
    : JournalTab(kind == TreasuryBook::Cash ? QStringLiteral("JOURNAL DE CAISSE") : QStringLiteral("JOURNAL DE BANQUE"),
                 treasuryColumns(kind == TreasuryBook::Cash ? 300 : 400),
                 kind == TreasuryBook::Cash ? QColor(224, 244, 149) : QColor(252, 231, 148), TREASURY_JOURNAL_PROGRESS_MAXIMUM,
                 parent),
      book(kind)
{
    const QColor fieldColour = book == TreasuryBook::Cash ? QColor(203, 244, 250) : QColor(247, 221, 189);
    openingBalance = positionField(fieldColour, true, this);
    totalReceipts = positionField(fieldColour, false, this);
    totalExpenses = positionField(fieldColour, false, this);
    finalBalance = positionField(fieldColour, false, this);
    changeOpeningButton = new QPushButton(QStringLiteral("Modifier le solde initial"), this);
    changeOpeningButton->setAutoDefault(false);

    auto* position = new QGridLayout;
    int column = 0;
    for (const auto& [caption, field] : {std::pair{QStringLiteral("Solde initial:"), openingBalance},
                                         std::pair{QStringLiteral("Total recettes:"), totalReceipts},
                                         std::pair{QStringLiteral("Total dépenses:"), totalExpenses},
                                         std::pair{QStringLiteral("Solde final:"), finalBalance}}) {
        position->addWidget(fieldLabel(caption, field, this), 0, column);
        position->addWidget(field, 1, column++);
    }
    position->addWidget(changeOpeningButton, 2, 0);
    position->setColumnStretch(column, 1);
    layOut(nullptr, frame(position, this));
}

void TreasuryJournalTab::pullForm()
{
    pullPeriod(form.from, form.to);
    form.openingBalance = openingBalance->text();
}

void TreasuryJournalTab::pushForm()
{
    pushList(form.list, form.progress);
    showText(openingBalance, form.openingBalance);
    showText(totalReceipts, form.totalReceipts);
    showText(totalExpenses, form.totalExpenses);
    showText(finalBalance, form.finalBalance);
}

CashPaymentJournalTab::CashPaymentJournalTab(QWidget* parent)
    : JournalTab(QStringLiteral("JOURNAL DES VERSEMENTS ESPECE"),
                 {{QStringLiteral("DATE"), 80}, {QStringLiteral(" L I B E L L E"), 300}, {QStringLiteral("TOTAL DOC."), 100},
                  {QStringLiteral("VERS. RECUS"), 100}, {QStringLiteral("VERS. EMIS"), 100}},
                 QColor(252, 231, 148), TREASURY_JOURNAL_PROGRESS_MAXIMUM, parent)
{
    layOut(nullptr, nullptr);
}

void CashPaymentJournalTab::pullForm() { pullPeriod(form.from, form.to); }

void CashPaymentJournalTab::pushForm() { pushList(form.list, form.progress); }
