#pragma once
// The stock window: receptions, deliveries, sales and proforma invoices, manual stock
// regularisation, the two stock journals, the stock card and purchase orders, each on its tab,
// and a last tab " FERMER" that closes the window. Keys, Return and the controls reach the
// current tab's operations through the window's dispatch tables.

#include <array>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "print/printer_choices.h"
#include "widgets/functional_window.h"

struct Env;
struct SalesDocumentOperations;
struct StockFormData;
class QAbstractButton;
class DeliveryTab;
class InvoiceTab;
class ProformaTab;
class PurchaseOrderTab;
class ReceptionTab;
class RegularisationTab;
class SalesDocumentTab;
class StockCardTab;
class StockJournalTab;

// Opens the stock window on a tab (0 receptions ... 8 purchase orders) and returns when it is
// closed. The tab shown last is kept in env.state.stockTabIndex.
void openStockWindow(Env& env, int tabIndex);

class StockWindow final : public FunctionalWindow {
    Q_OBJECT
public:
    enum Tab {
        TAB_RECEPTION,
        TAB_DELIVERY,
        TAB_INVOICE,
        TAB_PROFORMA,
        TAB_REGULARISATION,
        TAB_JOURNAL_PURCHASE_COST,
        TAB_JOURNAL_SALE_PRICE,
        TAB_STOCK_CARD,
        TAB_PURCHASE_ORDER,
        TAB_COUNT // the " FERMER" tab
    };

    explicit StockWindow(Env& env, QWidget* parent = nullptr);

    ReceptionTab* receptionTab() const { return reception_; }
    DeliveryTab* deliveryTab() const { return delivery_; }
    InvoiceTab* invoiceTab() const { return invoice_; }
    ProformaTab* proformaTab() const { return proforma_; }
    RegularisationTab* regularisationTab() const { return regularisation_; }
    StockJournalTab* purchaseCostJournalTab() const { return purchaseCostJournal_; }
    StockJournalTab* salePriceJournalTab() const { return salePriceJournal_; }
    StockCardTab* stockCardTab() const { return stockCard_; }
    PurchaseOrderTab* purchaseOrderTab() const { return purchaseOrder_; }

    // Whether a shortcut event does something on a tab (its cell of the key table is filled).
    bool handlesKey(int tab, int event) const;


protected:
    void keyEvent(int event) override;
    void tabSelected(int index) override;
    void tabLeft(int index) override;

private:
    using Action = std::function<void()>;
    // One row per shortcut event, one cell per tab; an empty cell does nothing.
    struct KeyRow {
        int event;
        std::array<Action, TAB_COUNT> byTab;
    };
    // Return in `control`: run `action` (if any), then give the focus to what `next` names
    // (nothing: the focus stays).
    struct ReturnStep {
        QWidget* control;
        Action action;
        std::function<QWidget*()> next;
    };

    using PrintNote = void (*)(Env&, PrinterChoice&, const StockFormData&);
    template <typename NoteTabT, typename Operations>
    void bindNoteTab(NoteTabT* tab, const Operations& operations, PrintNote print, Tab index);
    void bindSalesDocumentTab(SalesDocumentTab* tab, const SalesDocumentOperations& operations, Tab index);
    void bindInvoiceBoxes();
    void bindProformaPickList();
    void bindOtherTabs();
    // Fills a tab's cells of the key table.
    void setKeys(Tab index, std::initializer_list<std::pair<int, Action>> keys);
    void onClick(QAbstractButton* button, const Action& action);
    void returnPressed();
    // What is printed or left behind must be what is stored: a document whose payment shown
    // differs from its stored summary is saved (F2) or offered for saving (leaving it).
    bool hasUnsavedDocument(Tab index) const;
    // Saves it as F12 does; false when it could not be saved.
    bool saveShownDocument(Tab index);

    Env& env_;
    ReceptionTab* reception_;
    DeliveryTab* delivery_;
    InvoiceTab* invoice_;
    ProformaTab* proforma_;
    RegularisationTab* regularisation_;
    StockJournalTab* purchaseCostJournal_;
    StockJournalTab* salePriceJournal_;
    StockCardTab* stockCard_;
    PurchaseOrderTab* purchaseOrder_;


    std::vector<KeyRow> keys_;
    std::vector<ReturnStep> returnSteps_;
    std::array<Action, TAB_COUNT> tabInitialisation_;
    std::array<std::function<bool()>, TAB_COUNT> hasUnsavedSummary_;
    std::array<Action, TAB_COUNT> saveSummary_;
    // Where the keyboard focus stands once a tab is prepared (none: the tab has no entry field).
    std::array<QWidget*, TAB_COUNT> firstField_{};
};
