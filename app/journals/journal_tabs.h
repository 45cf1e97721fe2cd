#pragma once
// The tabs of the journals window. Each shows a period ("PERIODE DU :", "AU :"), its list,
// "(#F2) Imprimer", a progress bar and "(#F8) Afficher"; the document journals add a name and a
// family filter, the cash and bank journals the position fields under their list. A tab copies
// its fields into its form before an operation (pull) and shows the form after it (push).

#include <vector>
#include <QColor>

#include "journals/document_journals.h"
#include "journals/treasury_journals.h"
#include "stock/stock_tab_parts.h"
#include "widgets/form_widgets.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class ListTable;

// What every journal tab has.
class JournalTab : public FormTab {
    Q_OBJECT
public:
    QLabel* title;
    QDateEdit* from; // "PERIODE DU :"
    QDateEdit* to;   // "AU :"
    ListTable* list;
    QPushButton* printButton; // "(#F2) Imprimer"
    QProgressBar* progress;
    QPushButton* showButton;  // "(#F8) Afficher"

protected:
    JournalTab(const QString& titleText, const std::vector<ListColumn>& columns, const QColor& listColour,
               int progressMaximum, QWidget* parent);
    // Lays the tab out: the title, the period with `filters` after it, the list, the buttons and
    // progress bar, then `below` (may be null).
    void layOut(QLayout* filters, QWidget* below);
    void pullPeriod(QString& fromText, QString& toText) const;
    void pushList(const ListView& rows, int progressValue);
};

class DocumentJournalTab final : public JournalTab {
    Q_OBJECT
public:
    DocumentJournalTab(DocumentJournal kind, QWidget* parent = nullptr);

    const DocumentJournal journal;
    DocumentJournalForm form;
    QComboBox* name;   // the supplier or client filter
    QComboBox* family; // the family filter

protected:
    void pullForm() override;
    void pushForm() override;
};

class TreasuryJournalTab final : public JournalTab {
    Q_OBJECT
public:
    TreasuryJournalTab(TreasuryBook book, QWidget* parent = nullptr);

    const TreasuryBook book;
    TreasuryJournalForm form;
    QLineEdit* openingBalance; // "Solde initial:", the one that can be typed over
    QLineEdit* totalReceipts;
    QLineEdit* totalExpenses;
    QLineEdit* finalBalance;
    QPushButton* changeOpeningButton; // "Modifier le solde initial"

protected:
    void pullForm() override;
    void pushForm() override;
};

class CashPaymentJournalTab final : public JournalTab {
    Q_OBJECT
public:
    explicit CashPaymentJournalTab(QWidget* parent = nullptr);

    CashPaymentJournalForm form;

protected:
    void pullForm() override;
    void pushForm() override;
};
