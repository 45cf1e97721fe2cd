#include "stock/stock_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "common/env.h"
#include "common/values.h"
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

namespace {

// The shortcut events the tabs use; the others (F1, F4, Escape) do nothing anywhere.
const int KEY_EVENTS[] = {EV_F2, EV_F3, EV_F5, EV_F6, EV_F8, EV_F12, EV_ALT_DELETE};

void fillIfEmpty(Env& env, QComboBox* box, QStringList (*fill)(Env&))
{
    if (box->count() == 0) setComboItems(box, fill(env));
}

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
    bindNoteTab(reception_, RECEPTION_OPERATIONS, TAB_RECEPTION);
    bindNoteTab(delivery_, DELIVERY_OPERATIONS, TAB_DELIVERY);
    bindOtherTabs();
    installShortcuts(functionKeyShortcuts());
}

template <typename NoteTabT, typename Operations>
void StockWindow::bindNoteTab(NoteTabT* tab, const Operations& operations, Tab index)
{
    using Operation = typename Operations::Operation;
    Env& env = env_;
    // An action running operations in turn on the tab's form.
    const auto run = [&env, tab](std::initializer_list<Operation> sequence) -> Action {
        return [&env, tab, steps = std::vector<Operation>(sequence)] {
            tab->apply([&] {
                for (Operation step : steps) step(env, tab->form);
            });
        };
    };
    const Action save = run({operations.computeTotals, operations.saveSummary});
    const auto focus = [](QWidget* widget) { return [widget] { return widget; }; };
    const std::function<QWidget*()> stay;

    // Shortcuts. F2 prints the document once the printed forms exist.
    const std::pair<int, Action> keys[] = {
        {EV_F3, run({operations.cancel})},
        {EV_F5, run({operations.validate})},
        {EV_F6, run({operations.newNote})},
        {EV_F12, save},
        {EV_ALT_DELETE, run({operations.deleteLine})},
    };
    for (const auto& [event, action] : keys)
        for (KeyRow& row : keys_)
            if (row.event == event) row.byTab[index] = action;

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
    const auto onClick = [this](QAbstractButton* button, const Action& action) {
        connect(button, &QAbstractButton::clicked, this, [action] { action(); });
    };
    onClick(tab->closeButton, [this] { close(); });
    onClick(tab->previousButton, run({operations.previous}));
    onClick(tab->nextButton, run({operations.next}));
    onClick(tab->validateButton, run({operations.validate}));
    onClick(tab->deleteButton, run({operations.deleteLine}));
    onClick(tab->newButton, run({operations.newNote}));
    onClick(tab->cancelButton, run({operations.cancel}));
    onClick(tab->saveButton, save);
    onClick(tab->initialiseButton, [tab, clear = operations.clearLine] { tab->apply([&] { clear(tab->form); }); });
    const auto pickRow = [&env, tab, select = operations.selectRow](QTreeWidgetItem* item) {
        if (!item || tab->isBusy()) return;
        const int row = tab->lines->indexOfTopLevelItem(item);
        tab->apply([&] { select(env, tab->form, row); });
    };
    connect(tab->lines, &QTreeWidget::itemClicked, this, pickRow);
    connect(tab->lines, &QTreeWidget::currentItemChanged, this, pickRow);
    // A name box reacts to a change of its text and to the loss of the focus, never while an
    // operation is showing its results.
    const auto userEdit = [tab](const Action& action) {
        return [tab, action] {
            if (!tab->isBusy()) action();
        };
    };
    onNameBoxEdited(tab->product, userEdit(run({operations.productChanged})));
    onNameBoxEdited(tab->partner, userEdit(run({operations.showBalance})));
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

// The tabs whose operations come with their own work: their close buttons, their Return
// focus moves and the name lists their selection fills.
void StockWindow::bindOtherTabs()
{
    for (QToolButton* button : {invoice_->closeButton, proforma_->closeButton, purchaseCostJournal_->closeButton,
                                salePriceJournal_->closeButton, stockCard_->closeButton, purchaseOrder_->closeButton})
        connect(button, &QToolButton::clicked, this, &QWidget::close);

    // Return moves along their entry fields; the operations on the way come with their work.
    // (The invoice and proforma operations move the focus themselves.)
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
    tabInitialisation_[TAB_INVOICE] = [&env, this] {
        fillIfEmpty(env, invoice_->client, fillClientCombo);
        fillIfEmpty(env, invoice_->product, fillProductCombo);
    };
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

void StockWindow::tabSelected(int index)
{
    env_.state.stockTabIndex = index;
    if (index >= 0 && index < TAB_COUNT && tabInitialisation_[index]) tabInitialisation_[index]();
}
