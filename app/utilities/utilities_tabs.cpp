#include "utilities/utilities_tabs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "stock/stock_tab_parts.h"
#include "utilities/backups.h"
#include "utilities/general_check.h"
#include "utilities/year_end_closing.h"
#include "widgets/form_widgets.h"
#include "widgets/list_table.h"

namespace {

const QColor LIST_BACKGROUND(236, 242, 250);
const QColor WARNING_RED(220, 20, 20);
const QColor DARK_RED(139, 0, 0);

QPushButton* button(const QString& caption, QWidget* parent)
{
    QPushButton* made = keyButton(caption, parent);
    made->setToolTip(caption + QStringLiteral(" (F5)"));
    return made;
}

QLabel* colouredLine(const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(parent);
    setTextColours(label, colour, QColor());
    label->setAutoFillBackground(false);
    label->setWordWrap(true);
    return label;
}

QProgressBar* progressBar(int end, QWidget* parent)
{
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, end);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}

ListTable* backupList(const QString& title, QWidget* parent)
{
    auto* list = new ListTable({{title, 700}, {QString(), 2}}, LIST_BACKGROUND, parent);
    nameField(list, title);
    return list;
}

// A row of widgets, then the stretch.
QHBoxLayout* leftRow(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch(1);
    return row;
}

} // namespace

void followProgress(Progress& progress, QProgressBar* bar, QLabel* status)
{
    progress.onChange = [&progress, bar, status] {
        bar->setValue(progress.value);
        bar->repaint();
        if (status) {
            status->setText(progress.status);
            status->repaint();
        }
    };
}

BackupTab::BackupTab(QWidget* parent) : QWidget(parent)
{
    backupButton = button(QStringLiteral("Sauvegarder"), this);
    backups = backupList(QStringLiteral("LISTE DES DOSSIERS SAUVEGARDES"), this);
    auto* page = new QVBoxLayout(this);
    page->addWidget(titleLabel(QStringLiteral("SAUVEGARDE"), this));
    page->addWidget(
        new QLabel(QStringLiteral("La base de données actuelle sera sauvegardée dans le dossier (\\Sauvegardes\\)"), this));
    page->addLayout(leftRow({backupButton}));
    page->addWidget(backups, 1);
}

void BackupTab::show(const BackupForm& form)
{
    ListView shown = form.backups;
    shown.selected = -1;
    backups->showRows(shown);
}

RestoreTab::RestoreTab(QWidget* parent) : QWidget(parent)
{
    chosenFolder = new QLineEdit(this);
    chosenFolder->setReadOnly(true);
    chosenFolder->setFocusPolicy(Qt::NoFocus);
    chosenFolder->setMaximumWidth(200);
    restoreButton = button(QStringLiteral("Restaurer"), this);
    restoreButton->setEnabled(false);
    backups = backupList(QStringLiteral("SELECTIONNEZ LE DOSSIER A RESTAURER"), this);
    warning1 = colouredLine(WARNING_RED, this);
    warning2 = colouredLine(WARNING_RED, this);

    auto* chosen = new QHBoxLayout;
    addField(chosen, QStringLiteral("Dossier à restaurer >>"), chosenFolder);
    chosen->addWidget(restoreButton);
    chosen->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(titleLabel(QStringLiteral("RESTAURATION"), this));
    page->addLayout(chosen);
    page->addWidget(backups, 1);
    page->addWidget(warning1);
    page->addWidget(warning2);
}

void RestoreTab::show(const BackupForm& form)
{
    showText(chosenFolder, form.chosenFolder);
    restoreButton->setEnabled(form.canRestore);
    backups->showRows(form.backups);
    showText(warning1, form.warning1);
    showText(warning2, form.warning2);
}

ClosingTab::ClosingTab(QWidget* parent) : QWidget(parent)
{
    const char* const lines[] = {
        "ATTENTION, CLOTURER L'EXERCICE SIGNIFIE EFFACER TOUTES LES DONNEES DE L'EXERCICE ACTUEL, VOTRE BASE DE DONNEES",
        "SERA ENTIEREMENT SUPPRIMEE. SI VOUS CLOTUREZ L'EXERCICE MAINTENANT, LE STOCK FINAL SERA TRANSFERE VERS LE STOCK",
        "INITIAL, LES SOLDES CLIENTS ET FOURNISSEURS SERONT DEPLACES VERS LE SOLDE INITIAL. LES SOLDES CAISSE ET BANQUE",
        "SERONT EGALEMENT ENREGISTRES COMME SOLDE INITIAL. TOUS LES MOUVEMENTS (FACTURES, RECEPTIONS, BRS, OPERATIONS",
        "DE CAISSE ET BANQUES) SERONT SUPPRIMES. VOUS ALLEZ ENTAMER UN NOUVEL EXERCICE QUI DEBUTERA LE 1ER JANVIER ",
        "AVANT DE CLOTURER, IL EST INDISPENSABLE DE FAIRE UNE DERNIERE SAUVEGARDE DE L'ANNEE EN COURS.",
    };
    auto* page = new QVBoxLayout(this);
    page->addWidget(titleLabel(QStringLiteral("CLOTURER L'EXERCICE"), this));
    for (size_t i = 0; i < warnings.size(); ++i) {
        warnings[i] = colouredLine(DARK_RED, this);
        warnings[i]->setText(QString::fromUtf8(lines[i]));
        page->addWidget(warnings[i]);
    }
    progress = progressBar(CLOSING_PROGRESS_END, this);
    closeYearButton = button(QStringLiteral("Clôturer"), this);
    auto* inFrame = new QHBoxLayout;
    inFrame->addWidget(progress, 1);
    inFrame->addWidget(closeYearButton);
    page->addWidget(frame(inFrame, this));
    status = new QLabel(this);
    page->addWidget(status);
    page->addStretch(1);
}

void ClosingTab::showNextYear(int year)
{
    QString line = warnings[4]->text();
    line.truncate(line.lastIndexOf(QStringLiteral("JANVIER ")) + 8);
    warnings[4]->setText(line + QString::number(year));
}

InitialisationTab::InitialisationTab(QWidget* parent) : QWidget(parent)
{
    auto* group = new QGroupBox(QStringLiteral("SELECTIONNEZ LES FICHIERS A INITIALISER"), this);
    auto* grid = new QGridLayout(group);
    // Three rows of three, as the boxes stand on paper forms of the shop.
    const FileGroup placed[3][3] = {
        {FileGroup::Receptions, FileGroup::Invoices, FileGroup::CashOperations},
        {FileGroup::Deliveries, FileGroup::Payments, FileGroup::BankOperations},
        {FileGroup::Regularisations, FileGroup::Products, FileGroup::ClientsSuppliers},
    };
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            const FileGroup file = placed[row][column];
            auto* box = new QCheckBox(fileGroupCaption(file), group);
            files[static_cast<size_t>(file)] = box;
            grid->addWidget(box, row, column);
        }
    password = new QLineEdit(this);
    password->setEchoMode(QLineEdit::Password);
    password->setMaximumWidth(200);
    selectAllButton = keyButton(QStringLiteral("SELECTIONNER TOUT"), this);
    initialiseButton = button(QStringLiteral("Initialiser"), this);
    const QString blanks(20, QLatin1Char(' '));
    results = new ListTable({{blanks + QStringLiteral("BASE DE DONNEES"), 200},
                             {blanks + QStringLiteral("FICHIER"), 200},
                             {blanks + QStringLiteral("OBSERVATIONS"), 300}},
                            LIST_BACKGROUND, this);
    nameField(results, QStringLiteral("Fichiers initialisés"));
    progress = progressBar(INITIALISATION_PROGRESS_END, this);

    auto* passwordRow = new QHBoxLayout;
    addField(passwordRow, QStringLiteral("MOT DE PASSE >>"), password);
    passwordRow->addWidget(selectAllButton);
    passwordRow->addWidget(initialiseButton);
    passwordRow->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->addWidget(titleLabel(QStringLiteral("INITIALISATION DE LA BASE DE DONNEES"), this));
    page->addWidget(group);
    page->addLayout(passwordRow);
    page->addWidget(results, 1);
    page->addWidget(progress);
}

void InitialisationTab::show(const InitialisationForm& form)
{
    for (size_t i = 0; i < files.size(); ++i) files[i]->setChecked(form.checked[i]);
    showText(password, form.password);
    results->showRows(form.results);
    progress->setValue(form.progress.value);
}

void InitialisationTab::read(InitialisationForm& form) const
{
    for (size_t i = 0; i < files.size(); ++i) form.checked[i] = files[i]->isChecked();
    form.password = password->text();
}

GeneralCheckTab::GeneralCheckTab(QWidget* parent) : QWidget(parent)
{
    progress = progressBar(GENERAL_CHECK_PROGRESS_END, this);
    startButton = button(QStringLiteral("Démarrer"), this);
    // The diagnostic carries the faulty value after its message: it gets the room.
    results = new ListTable({{QStringLiteral("BASE DE DONNEES"), 200}, {QStringLiteral("DIAGNOSTIC"), 460},
                             {QStringLiteral("ACTION"), 150}},
                            LIST_BACKGROUND, this);
    nameField(results, QStringLiteral("Résultat du contrôle"));
    status = new QLabel(this);

    auto* bar = new QHBoxLayout;
    bar->addWidget(progress, 1);
    bar->addWidget(startButton);
    auto* page = new QVBoxLayout(this);
    page->addWidget(titleLabel(QStringLiteral("CONTROLE GENERAL"), this));
    page->addLayout(bar);
    page->addWidget(results, 1);
    page->addWidget(status);
}

void GeneralCheckTab::show(const GeneralCheckForm& form)
{
    results->showRows(form.results);
    progress->setValue(form.progress.value);
    showText(status, form.progress.status);
}
