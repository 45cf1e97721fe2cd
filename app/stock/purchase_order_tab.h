#pragma once
// The "BON DE COMMANDE" tab: its controls.

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

class PurchaseOrderTab final : public QWidget {
    Q_OBJECT
public:
    explicit PurchaseOrderTab(QWidget* parent = nullptr);

    QLabel* title;
    QToolButton* closeButton;
    QToolButton* previousButton;
    QLineEdit* number; // "N° BC:"
    QToolButton* nextButton;
    QDateEdit* date;
    QComboBox* supplier;    // "Fournisseur:"
    QLabel* productCode;    // "Code ID:"
    QLabel* stock;          // "Stock:"
    QComboBox* product;     // "Désignation:"
    QLineEdit* quantity;    // "Quantité:"
    QLineEdit* unitPrice;   // "P. U.:"
    QLineEdit* amount;      // "Montant:"
    QPushButton* printButton;    // "(#F2) Imprimer"
    QPushButton* cancelButton;   // "(#F3) Annuler le bon"
    QPushButton* deleteButton;   // "(#Alt+#SUP) Supprimer la ligne"
    QPushButton* validateButton; // "(#F5) Valider la saisie"
    QPushButton* newButton;      // "(#F6) Nouveau bon"
    // Columns "Code", " Désignation du produit", " U.M.", " Quantité", " Prix unitaire", " Montant".
    QTreeWidget* lines;
    QLabel* total; // beside "TOTAL HT :"
};
