#include "stock/stock_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "common/env.h"
#include "common/values.h"
#include "print/invoice_forms.h"
#include "print/stock_forms.h"
#include "stock/invoice_tab.h"
#include "stock/note_tab.h"
#include "stock/proforma_tab.h"
#include "stock/purchase_order_tab.h"
#include "stock/receptions_deliveries.h"
#include "stock/regularisation_tab.h"
#include "stock/stock.h"
#include "stock/stock_card_tab.h"
#include "stock/stock_journal_tab.h"
#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

// The operations of a sales document tab, each under the name its tab knows it by.
struct SalesDocumentOperations {
    using Operation = void (*)(Env&, InvoiceForm&);
    Operation newDocument, previous, next, validate, deleteLine, save, cancel;
    void (*selectRow)(Env&, InvoiceForm&, int);
    void (*print)(Env&, PrinterChoice&, const InvoiceForm&);
};

// Whether a tab's form differs from what is stored, read from the widgets as they stand.
template <typename TabT, typename Form>
std::function<bool()> unsavedCheck(Env& env, TabT* tab, bool (*check)(Env&, const Form&))
{
    return [&env, tab, check] {
        bool unsaved = false;
        tab->apply([&] { unsaved = check(env, tab->form); });
        return unsaved;
    };
}

namespace {

// The shortcut events the tabs use; the others (F1, F4, Escape) do nothing anywhere.
const int KEY_EVENTS[] = {EV_F2, EV_F3, EV_F5, EV_F6, EV_F8, EV_F12, EV_ALT_DELETE};

void fillIfEmpty(Env& env, QComboBox* box, QStringList (*fill)(Env&))
{
    if (box->count() == 0) setComboItems(box, fill(env));
}

using Action = std::function<void()>;

// An action running operations in turn on a tab's form.
template <typename TabT, typename Operation>
Action runOnForm(Env& env, TabT* tab, std::initializer_list<Operation> sequence)
{
    return [&env, tab, steps = std::vector<Operation>(sequence)] {
        tab->apply([&] {
            for (Operation step : steps) step(env, tab->form);
        });
    };
}

// A reaction to a change the user makes, never to what an operation is showing.
Action userEdit(const FormTab* tab, const Action& action)
{
    return [tab, action] {
        if (!tab->isBusy()) action();
    };
}

// A row picked in a line list, by a click or by moving along the list.
void onLinePicked(QObject* context, FormTab* tab, QTreeWidget* lines, const std::function<void(int)>& select)
{
    const auto pick = [tab, lines, select](QTreeWidgetItem* item) {
        if (!item || tab->isBusy()) return;
        const int row = lines->indexOfTopLevelItem(item);
        tab->apply([&] { select(row); });
    };
    QObject::connect(lines, &QTreeWidget::itemClicked, context, pick);
    QObject::connect(lines, &QTreeWidget::currentItemChanged, context, pick);
}

const SalesDocumentOperations INVOICE_TAB_OPERATIONS{
    newInvoice,  showPreviousInvoice, showNextInvoice,      validateInvoiceLine, deleteInvoiceLine,
    saveInvoice, cancelInvoice,       selectInvoiceListRow, printInvoice};
const SalesDocumentOperations PROFORMA_TAB_OPERATIONS{
    newProforma,  showPreviousProforma, showNextProforma,      validateProformaLine, deleteProformaLine,
    saveProforma, cancelProforma,       selectProformaListRow, printProforma};

} // namespace

void openStockWindow(Env& env, int tabIndex)
{
    env.state.stockTabIndex = tabIndex;
    StockWindow window(env);
    window.run(tabIndex);
}

StockWindow::StockWindow(Env& env, QWidget* parent)
    : FunctionalWindow(QStringLiteral("Logiciel de gestion commerciale - Varkel 2020"), QColor(196, 187, 233), parent), env_(env)
{
    setFont(screenFont(1));
    // Taken once at opening: the time is shown on the reception and delivery tabs, the date
    // under "ARRETE AU" of the stock journals.
    const QString openingTime = env.clock.now().toString(QStringLiteral("hh:mm:ss"));
    const QString openingDate = dateText(env.clock.today());
    reception_ = new ReceptionTab(openingTime);
    delivery_ = new DeliveryTab(openingTime);
    invoice_ = new InvoiceTab;
    proforma_ = new ProformaTab;
    regularisation_ = new RegularisationTab;
    purchaseCostJournal_ = new StockJournalTab(StockJournalTab::Valuation::PurchaseCost, openingDate);
    salePriceJournal_ = new StockJournalTab(StockJournalTab::Valuation::SalePrice, openingDate);
    stockCard_ = new StockCardTab;
    purchaseOrder_ = new PurchaseOrderTab;
    tabs()->addTab(reception_, QStringLiteral(" RECEPTION "));
    tabs()->addTab(delivery_, QStringLiteral(" LIVRAISON "));
    tabs()->addTab(invoice_, QStringLiteral(" FACTURE VENTE "));
    tabs()->addTab(proforma_, QStringLiteral(" FACTURE PROFORMA "));
    tabs()->addTab(regularisation_, QStringLiteral(" REGULARISATION MANUELLE DU STOCK "));
    tabs()->addTab(purchaseCostJournal_, QStringLiteral(" JOURNAL DE STOCK (PMP)"));
    tabs()->addTab(salePriceJournal_, QStringLiteral(" JOURNAL DE STOCK (Prix de vente)"));
    tabs()->addTab(stockCard_, QStringLiteral(" FICHE DE STOCK "));
    tabs()->addTab(purchaseOrder_, QStringLiteral(" BON DE COMMANDE "));
    finishTabs();
    // Ten tab titles fit the width of the screen in the smallest font, closely set.
    tabs()->tabBar()->setFont(screenFont(0));
    tabs()->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 4px; }"));
    for (QDateEdit* picker : findChildren<QDateEdit*>()) picker->setDate(env.clock.today());

    for (int event : KEY_EVENTS) keys_.push_back({event, {}});
    bindNoteTab(reception_, RECEPTION_OPERATIONS, printReceptionForm, TAB_RECEPTION);
    bindNoteTab(delivery_, DELIVERY_OPERATIONS, printDeliveryForm, TAB_DELIVERY);
    bindSalesDocumentTab(invoice_, INVOICE_TAB_OPERATIONS, TAB_INVOICE);
    bindSalesDocumentTab(proforma_, PROFORMA_TAB_OPERATIONS, TAB_PROFORMA);
    bindInvoiceBoxes();
    bindProformaPickList();
    bindOtherTabs();
    installShortcuts(functionKeyShortcuts());
    // A new document starts with its partner; the reports with what they are drawn for.
    firstField_ = {reception_->partner,       delivery_->partner,
                   invoice_->client,          proforma_->client,
                   regularisation_->product,  purchaseCostJournal_->family,
                   nullptr,                   stockCard_->product,
                   purchaseOrder_->supplier};
}

template <typename NoteTabT, typename Operations>
void StockWindow::bindNoteTab(NoteTabT* tab, const Operations& operations, PrintNote print, Tab index)
{
    Env& env = env_;
    const auto run = [&env, tab](std::initializer_list<typename Operations::Operation> sequence) {
        return runOnForm(env, tab, sequence);
    };
    const Action save = run({operations.computeTotals, operations.saveSummary});
    hasUnsavedSummary_[index] = unsavedCheck(env, tab, operations.hasUnsavedSummary);
    saveSummary_[index] = save;
    const Action printNote = [this, tab, print, index] {
        if (!saveShownDocument(index)) return;
        tab->apply([&] { print(env_, printers(), stockFormData(tab->form)); });
    };
    const auto focus = [](QWidget* widget) { return [widget] { return widget; }; };
    const std::function<QWidget*()> stay;

    setKeys(index, {
                       {EV_F2, printNote},
                       {EV_F3, run({operations.cancel})},
                       {EV_F5, run({operations.validate})},
                       {EV_F6, run({operations.newNote})},
                       {EV_F12, save},
                       {EV_ALT_DELETE, run({operations.deleteLine})},
                   });

    // Return along the entry chain.
    returnSteps_.insert(returnSteps_.end(),
                        {
                            {tab->number, run({operations.load}), stay},
                            {tab->partner, run({operations.showBalance, operations.computeTotals}), focus(tab->product)},
                            {tab->family, {}, focus(tab->product)},
                            {tab->product, run({operations.showProduct}), focus(tab->quantity)},
                            {tab->quantity, {}, focus(tab->unitPrice)},
                            {tab->unitPrice, run({operations.validate}), stay},
                            {tab->payment, save, stay},
                            {tab->discount, save, focus(tab->paymentMode)},
                        });

    // Controls.
    onClick(tab->previousButton, run({operations.previous}));
    onClick(tab->nextButton, run({operations.next}));
    onClick(tab->validateButton, run({operations.validate}));
    onClick(tab->deleteButton, run({operations.deleteLine}));
    onClick(tab->newButton, run({operations.newNote}));
    onClick(tab->cancelButton, run({operations.cancel}));
    onClick(tab->printButton, printNote);
    onClick(tab->saveButton, save);
    onClick(tab->initialiseButton, [tab, clear = operations.clearLine] { tab->apply([&] { clear(tab->form); }); });
    onLinePicked(this, tab, tab->lines, [&env, tab, select = operations.selectRow](int row) { select(env, tab->form, row); });
    onNameBoxEdited(tab->product, userEdit(tab, run({operations.productChanged})));
    onNameBoxEdited(tab->partner, userEdit(tab, run({operations.showBalance})));
    connect(tab->paymentOptions, &QButtonGroup::idClicked, this, [&env, tab, set = operations.setOption](int id) {
        tab->apply([&] { set(env, tab->form, static_cast<PaymentOption>(id)); });
    });

    // Selecting the tab starts a new document and fills the empty name lists.
    tabInitialisation_[index] = [&env, tab, operations] {
        tab->apply([&] {
            operations.newNote(env, tab->form);
            if (tab->form.partnerItems.isEmpty()) tab->form.partnerItems = operations.fillPartners(env);
            if (tab->form.productItems.isEmpty()) tab->form.productItems = fillProductCombo(env);
        });
    };
}

// The invoice and proforma tabs: the same keys, Return steps and controls on their own
// operations. F2 prints on both (the proforma's button says so).
void StockWindow::bindSalesDocumentTab(SalesDocumentTab* tab, const SalesDocumentOperations& operations, Tab index)
{
    Env& env = env_;
    const auto run = [&env, tab](SalesDocumentOperations::Operation operation) { return runOnForm(env, tab, {operation}); };
    hasUnsavedSummary_[index] = unsavedCheck(env, tab, invoiceHasUnsavedSummary);
    saveSummary_[index] = run(operations.save);
    const Action print = [this, tab, print = operations.print, index] {
        if (!saveShownDocument(index)) return;
        tab->apply([&] { print(env_, printers(), tab->form); });
    };

    setKeys(index, {
                       {EV_F2, print},
                       {EV_F3, run(operations.cancel)},
                       {EV_F5, run(operations.validate)},
                       {EV_F6, run(operations.newDocument)},
                       {EV_F12, run(operations.save)},
                       {EV_ALT_DELETE, run(operations.deleteLine)},
                   });

    // Return: the focused field's step; the operation says where the focus goes.
    for (const InvoiceField field :
         {InvoiceField::Number, InvoiceField::Client, InvoiceField::Address, InvoiceField::Rc, InvoiceField::Mf,
          InvoiceField::Art, InvoiceField::Nis, InvoiceField::Designation, InvoiceField::Quantity,
          InvoiceField::UnitPrice, InvoiceField::VatRate})
        returnSteps_.push_back(
            {tab->fieldWidget(field), [&env, tab, field] { tab->apply([&] { invoiceReturnPressed(env, tab->form, field); }); }, {}});

    onClick(tab->previousButton, run(operations.previous));
    onClick(tab->nextButton, run(operations.next));
    onClick(tab->validateButton, run(operations.validate));
    onClick(tab->deleteButton, run(operations.deleteLine));
    onClick(tab->newButton, run(operations.newDocument));
    onClick(tab->cancelButton, run(operations.cancel));
    onClick(tab->printButton, print);
    onClick(tab->saveButton, run(operations.save));
    onLinePicked(this, tab, tab->lines, [&env, tab, select = operations.selectRow](int row) { select(env, tab->form, row); });
    connect(tab->paymentOptions, &QButtonGroup::idClicked, this, [&env, tab](int id) {
        tab->apply([&] { chooseInvoicePaymentOption(env, tab->form, static_cast<PaymentOption>(id)); });
    });

    tabInitialisation_[index] = run(operations.newDocument);
}

// The invoice's name boxes, and the name lists its selection fills.
void StockWindow::bindInvoiceBoxes()
{
    Env& env = env_;
    InvoiceTab* tab = invoice_;
    onNameBoxEdited(tab->client, userEdit(tab, runOnForm(env, tab, {showInvoiceClient})));
    onNameBoxEdited(tab->product, userEdit(tab, runOnForm(env, tab, {keepInvoiceProduct})));
    tabInitialisation_[TAB_INVOICE] = [&env, tab] {
        tab->apply([&] {
            newInvoice(env, tab->form);
            if (tab->form.clientItems.isEmpty()) tab->form.clientItems = fillClientCombo(env);
            if (tab->form.productItems.isEmpty()) tab->form.productItems = fillProductCombo(env);
        });
    };
}

// The proforma's type-ahead: typing in "Client:" or "Désignation:" refills the pick list, a
// click in it (or Return on an entry) takes the entry.
void StockWindow::bindProformaPickList()
{
    Env& env = env_;
    ProformaTab* tab = proforma_;
    // textEdited: only what the user types, never what an operation shows.
    connect(tab->client, &QLineEdit::textEdited, this, userEdit(tab, runOnForm(env, tab, {filterClientPickList})));
    connect(tab->designation, &QLineEdit::textEdited, this, userEdit(tab, runOnForm(env, tab, {filterProductPickList})));
    const auto choose = [&env, tab](int row) { tab->apply([&] { choosePickListEntry(env, tab->form, row); }); };
    connect(tab->pickList, &QListWidget::itemClicked, this,
            [tab, choose](QListWidgetItem* item) { choose(tab->pickList->row(item)); });
    returnSteps_.push_back({tab->pickList, [tab, choose] { choose(tab->pickListRow()); }, {}});
}

// The close buttons of every tab that has one; the tabs whose operations come with their own
// work: their Return focus moves and the name lists their selection fills.
void StockWindow::bindOtherTabs()
{
    for (QToolButton* button : {reception_->closeButton, delivery_->closeButton, invoice_->closeButton, proforma_->closeButton,
                                purchaseCostJournal_->closeButton, salePriceJournal_->closeButton, stockCard_->closeButton,
                                purchaseOrder_->closeButton})
        connect(button, &QToolButton::clicked, this, &QWidget::close);

    // Return moves along their entry fields; the operations on the way come with their work.
    const auto focus = [](QWidget* widget) { return [widget] { return widget; }; };
    returnSteps_.insert(returnSteps_.end(),
                        {
                            {regularisation_->product, {}, focus(regularisation_->entered)},
                            // An entry goes on to its reason, no entry (0.50 counts as none) to the exit.
                            {regularisation_->entered, {},
                             [this]() -> QWidget* {
                                 return integerValue(regularisation_->entered->text()) > 0 ? regularisation_->reason
                                                                                           : regularisation_->takenOut;
                             }},
                            {regularisation_->takenOut, {}, focus(regularisation_->reason)},
                            {purchaseOrder_->supplier, {}, focus(purchaseOrder_->product)},
                            {purchaseOrder_->product, {}, focus(purchaseOrder_->quantity)},
                            {purchaseOrder_->quantity, {}, focus(purchaseOrder_->unitPrice)},
                        });

    Env& env = env_;
    tabInitialisation_[TAB_REGULARISATION] = [&env, this] { fillIfEmpty(env, regularisation_->product, fillProductCombo); };
    tabInitialisation_[TAB_JOURNAL_PURCHASE_COST] = [&env, this] {
        fillIfEmpty(env, purchaseCostJournal_->family, fillStockJournalFamilyCombo);
    };
    tabInitialisation_[TAB_STOCK_CARD] = [&env, this] {
        setDatePickerText(stockCard_->from, firstDayOfMonthText(env.clock.today()).text);
        fillIfEmpty(env, stockCard_->product, fillProductCombo);
    };
    tabInitialisation_[TAB_PURCHASE_ORDER] = [&env, this] {
        fillIfEmpty(env, purchaseOrder_->product, fillProductCombo);
        fillIfEmpty(env, purchaseOrder_->supplier, fillClientSupplierCombo);
    };
}

void StockWindow::setKeys(Tab index, std::initializer_list<std::pair<int, Action>> keys)
{
    for (const auto& [event, action] : keys)
        for (KeyRow& row : keys_)
            if (row.event == event) row.byTab[index] = action;
}

void StockWindow::onClick(QAbstractButton* button, const Action& action)
{
    connect(button, &QAbstractButton::clicked, this, [action] { action(); });
}

bool StockWindow::handlesKey(int tab, int event) const
{
    if (tab < 0 || tab >= TAB_COUNT) return false;
    for (const KeyRow& row : keys_)
        if (row.event == event) return static_cast<bool>(row.byTab[tab]);
    return false;
}

void StockWindow::keyEvent(int event)
{
    if (event == EV_RETURN) {
        returnPressed();
        return;
    }
    const int tab = tabs()->currentIndex();
    if (tab < 0 || tab >= TAB_COUNT) return;
    for (const KeyRow& row : keys_)
        if (row.event == event && row.byTab[tab]) row.byTab[tab]();
}

void StockWindow::returnPressed()
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return;
    for (const ReturnStep& step : returnSteps_) {
        if (step.control != focused && !step.control->isAncestorOf(focused)) continue;
        if (step.action) step.action();
        if (step.next)
            if (QWidget* next = step.next()) next->setFocus(Qt::TabFocusReason);
        return;
    }
}

bool StockWindow::hasUnsavedDocument(Tab index) const
{
    return hasUnsavedSummary_[index] && hasUnsavedSummary_[index]();
}

bool StockWindow::saveShownDocument(Tab index)
{
    if (!hasUnsavedDocument(index)) return true;
    saveSummary_[index]();
    return !hasUnsavedDocument(index);
}

void StockWindow::tabLeft(int index)
{
    if (index < 0 || index >= TAB_COUNT) return;
    const Tab tab = static_cast<Tab>(index);
    if (hasUnsavedDocument(tab)
        && env_.dialogs.askYesNo(QStringLiteral("Confirmation"), QStringLiteral("Enregistrer les modifications du document ?")))
        saveSummary_[tab]();
}

void StockWindow::tabSelected(int index)
{
    env_.state.stockTabIndex = index;
    if (index < 0 || index >= TAB_COUNT) return;
    if (tabInitialisation_[index]) tabInitialisation_[index]();
    if (firstField_[index]) firstField_[index]->setFocus(Qt::OtherFocusReason);
}
