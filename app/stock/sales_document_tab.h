#pragma once
// What the sales invoice and proforma tabs share: header, line fields, buttons, line list,
// payment mode, VAT rate and totals, and the copying between them and the document's form.
// They differ in the client and product fields (combo boxes with their item lists on the
// invoice, edits with a pick list on the proforma) and in the line amount field.

#include <QColor>

#include "stock/invoices.h"
#include "stock/stock_tab_parts.h"

class QButtonGroup;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;

class SalesDocumentTab : public FormTab {
    Q_OBJECT
public:
    InvoiceForm form;

    // The widget of an entry field of the form (null for None).
    QWidget* fieldWidget(InvoiceField field) const;
    // The row of the proforma's pick list the user stands on, -1 for none or no list.
    int pickListRow() const;

    QLabel* title;
    QToolButton* closeButton;
    // Header: "N° Facture:", "Date:", the client's details ("Adresse:", "N° RC:", "MF:", "N° Art:", "NIS:").
    QToolButton* previousButton;
    QLineEdit* number;
    QToolButton* nextButton;
    QDateEdit* date;
    QLineEdit* address;
    QLineEdit* rc;
    QLineEdit* mf;
    QLineEdit* art;
    QLineEdit* nis;
    // Line: "Qté:", "P.U. :".
    QLineEdit* quantity;
    QLineEdit* unitPrice;
    QPushButton* printButton;    // "(#F2) Imprimer"
    QPushButton* cancelButton;   // "(#F3) Annuler la facture"
    QPushButton* deleteButton;   // "(#Alt+#SUP) Supprimer la ligne sélectionnée"
    QPushButton* newButton;      // "(#F6) Nouvelle facture"
    QPushButton* validateButton; // "(#F5) Valider"
    QPushButton* saveButton;     // "(#F12) Enregistrer la facture"
    // Columns "Code", " Désignation", "U.M. ", "Qté  ", "P. U.  ", "Montant ".
    QTreeWidget* lines;
    // "Mode de paiement..." (initially "A TERME") and its options; the option ids are the
    // values of PaymentOption (Espece 0, Cheque 1, Virement 2, ATerme 3).
    QLineEdit* paymentMode;
    QButtonGroup* paymentOptions;
    QRadioButton* cashOption;     // "ESPECE"
    QRadioButton* chequeOption;   // "CHEQUE"
    QRadioButton* transferOption; // "VIREMENT"
    QRadioButton* creditOption;   // "A TERME", checked at opening
    // "Taux TVA=" (initially "19") "%".
    QLineEdit* vatRate;
    // Totals: the labels' values, right-aligned; vatLabel reads "TVA (19%) : " until a rate is typed.
    QLabel* vatLabel;
    QLabel* totalHt;
    QLabel* vat;
    QLabel* stamp;
    QLabel* totalTtc;

protected:
    SalesDocumentTab(InvoiceKind kind, const QString& titleText, const QColor& listColour, QWidget* parent);
    // Lays the tab out around the fields of the document kind. `client` and `product` are
    // editable combo boxes or line edits; `amount` and `pickList` may be null.
    void build(QWidget* client, QWidget* product, QLineEdit* amount, QListWidget* pickList);

    void pullForm() override;
    void pushForm() override;

private:
    QColor listColour_;
    QWidget* clientField_ = nullptr;
    QWidget* productField_ = nullptr;
    QLineEdit* amountField_ = nullptr;
    QListWidget* pickList_ = nullptr;
    // What the widgets show, so that a push rebuilds a list only when it changed.
    ListView shownLines_;
    QStringList shownClientItems_;
    QStringList shownProductItems_;
    QStringList shownPickList_;
};
