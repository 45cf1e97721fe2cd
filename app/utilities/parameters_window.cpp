#include "utilities/parameters_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "common/env.h"
#include "shell/session.h"
#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

namespace {

constexpr int SECTION_FONT = 21;

QLabel* sectionLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setFont(screenFont(SECTION_FONT));
    return label;
}

QFrame* rule()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLineEdit* codeEdit(bool readOnly)
{
    auto* edit = new QLineEdit;
    edit->setEchoMode(QLineEdit::Password);
    edit->setReadOnly(readOnly);
    return edit;
}

QLineEdit* rateEdit(bool readOnly)
{
    auto* edit = amountEdit();
    edit->setReadOnly(readOnly);
    edit->setFixedWidth(50);
    return edit;
}

QComboBox* modeList()
{
    auto* list = new QComboBox;
    list->addItems(PAYMENT_MODES);
    return list;
}

QPushButton* button(const QString& text)
{
    auto* b = new QPushButton(text);
    b->setAutoDefault(false);
    return b;
}

// One section: its label, then "Ancien ...:" and "Nouveau ...:" with their fields (and a unit).
void addOldNewRow(QGridLayout* grid, int row, const QString& section, const QString& oldText, QLineEdit* oldField,
                  const QString& newText, QLineEdit* newField, const QString& unit = {})
{
    grid->addWidget(sectionLabel(section), row, 0);
    const std::pair<QString, QLineEdit*> fields[] = {{oldText, oldField}, {newText, newField}};
    int column = 1;
    for (const auto& [text, field] : fields) {
        grid->addWidget(fieldLabel(text, field), row, column++, Qt::AlignRight);
        field->setAccessibleDescription(section);
        auto* box = new QHBoxLayout;
        box->addWidget(field);
        if (!unit.isEmpty()) box->addWidget(new QLabel(unit));
        box->addStretch();
        grid->addLayout(box, row, column++);
    }
}

} // namespace

ParametersWindow::ParametersWindow(Env& env, QWidget* parent)
    : QDialog(parent),
      env_(env),
      oldAccessCode_(codeEdit(true)),
      newAccessCode_(codeEdit(false)),
      oldPaymentCode_(codeEdit(true)),
      newPaymentCode_(codeEdit(false)),
      oldVatRate_(rateEdit(true)),
      newVatRate_(rateEdit(false)),
      standardModel_(new QRadioButton(QStringLiteral("Modèle Standard"))),
      reducedModel_(new QRadioButton(QStringLiteral("Modèle réduit"))),
      receptionMode_(modeList()),
      deliveryMode_(modeList()),
      invoiceMode_(modeList())
{
    setWindowTitle(QStringLiteral("Varkel 2020 (Logiciel de gestion commerciale) - Paramètres..."));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(800, 400);

    auto* title = new QLabel(QStringLiteral("PARAMETRES DE GESTION"));
    title->setFont(screenFont(TITLE_FONT));
    title->setAlignment(Qt::AlignCenter);

    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(4, 1);
    addOldNewRow(grid, 0, QStringLiteral("Code d'accès au logiciel:"), QStringLiteral("Ancien code:"), oldAccessCode_,
                 QStringLiteral("Nouveau code:"), newAccessCode_);
    grid->addWidget(rule(), 1, 0, 1, 5);
    addOldNewRow(grid, 2, QStringLiteral("Code d'accès au versement:"), QStringLiteral("Ancien code:"), oldPaymentCode_,
                 QStringLiteral("Nouveau code:"), newPaymentCode_);
    grid->addWidget(rule(), 3, 0, 1, 5);
    addOldNewRow(grid, 4, QStringLiteral("Taux TVA par défaut :"), QStringLiteral("Ancien taux:"), oldVatRate_,
                 QStringLiteral("Nouveau taux:"), newVatRate_, QStringLiteral("%"));
    grid->addWidget(rule(), 5, 0, 1, 5);

    grid->addWidget(sectionLabel(QStringLiteral("Type de bon de livraison:")), 6, 0);
    auto* models = new QButtonGroup(this);
    models->addButton(standardModel_);
    models->addButton(reducedModel_);
    grid->addWidget(standardModel_, 6, 1, 1, 2);
    grid->addWidget(reducedModel_, 6, 3, 1, 2);
    grid->addWidget(rule(), 7, 0, 1, 5);

    grid->addWidget(sectionLabel(QStringLiteral("Mode de payement par défaut:")), 8, 0, 2, 1);
    const std::pair<QString, QComboBox*> lists[] = {{QStringLiteral("Bon de réception"), receptionMode_},
                                                    {QStringLiteral("Bon de livraison"), deliveryMode_},
                                                    {QStringLiteral("Facture"), invoiceMode_}};
    auto* modes = new QHBoxLayout;
    for (const auto& [heading, list] : lists) {
        auto* column = new QVBoxLayout;
        column->addWidget(fieldLabel(heading, list));
        column->addWidget(list);
        modes->addLayout(column);
    }
    grid->addLayout(modes, 8, 1, 2, 4);

    auto* done = button(QStringLiteral("Terminé"));
    auto* saveButton = button(QStringLiteral("Enregistrer les paramètres"));
    connect(done, &QPushButton::clicked, this, &ParametersWindow::reject);
    connect(saveButton, &QPushButton::clicked, this, &ParametersWindow::save);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(done);
    buttons->addStretch();
    buttons->addWidget(saveButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(frame);
    layout->addStretch();
    layout->addLayout(buttons);

    // Return is taken by the window and does nothing: no button is pressed by it.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        new QShortcut(key, this);

    ParametersForm form;
    loadParameterFields(env_, form);
    push(form);
    newAccessCode_->setFocus();
}

ParametersForm ParametersWindow::pull() const
{
    ParametersForm form;
    form.oldAccessCode = oldAccessCode_->text();
    form.newAccessCode = newAccessCode_->text();
    form.oldPaymentCode = oldPaymentCode_->text();
    form.newPaymentCode = newPaymentCode_->text();
    form.oldVatRate = oldVatRate_->text();
    form.newVatRate = newVatRate_->text();
    form.standardModel = standardModel_->isChecked();
    form.receptionMode = receptionMode_->currentText();
    form.deliveryMode = deliveryMode_->currentText();
    form.invoiceMode = invoiceMode_->currentText();
    return form;
}

void ParametersWindow::push(const ParametersForm& form)
{
    oldAccessCode_->setText(form.oldAccessCode);
    newAccessCode_->setText(form.newAccessCode);
    oldPaymentCode_->setText(form.oldPaymentCode);
    newPaymentCode_->setText(form.newPaymentCode);
    oldVatRate_->setText(form.oldVatRate);
    newVatRate_->setText(form.newVatRate);
    (form.standardModel ? standardModel_ : reducedModel_)->setChecked(true);
    receptionMode_->setCurrentIndex(PAYMENT_MODES.indexOf(form.receptionMode));
    deliveryMode_->setCurrentIndex(PAYMENT_MODES.indexOf(form.deliveryMode));
    invoiceMode_->setCurrentIndex(PAYMENT_MODES.indexOf(form.invoiceMode));
}

void ParametersWindow::save()
{
    // Once saved, shutdownAndExit has run: the window only closes.
    if (saveParameters(env_, pull())) accept();
}

void ParametersWindow::reject()
{
    shutdownAndExit(env_);
    QDialog::reject();
}

void openParametersWindow(Env& env)
{
    ParametersWindow window(env);
    window.exec();
}
