#pragma once
// The "REGULARISATION MANUELLE DU STOCK" (BRS) tab: its controls. It has no close button.

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

class RegularisationTab final : public QWidget {
    Q_OBJECT
public:
    explicit RegularisationTab(QWidget* parent = nullptr);

    QLabel* title;
    QToolButton* previousButton;
    QLineEdit* number; // "N° BRS:"
    QToolButton* nextButton;
    QDateEdit* date;
    QToolButton* initialiseButton;
    QComboBox* product;     // "Produit:"
    QLabel* stock;          // "Stock:"
    QLineEdit* entered;     // "Qté entrée:"
    QLineEdit* takenOut;    // "Qté sortie:"
    QLineEdit* reason;      // "Observations:", upper case
    QPushButton* cancelButton;   // "(#F3) Annuler le BRS"
    QPushButton* deleteButton;   // "(#Alt+#SUP) Supprimer"
    QPushButton* newButton;      // "(#F6) Nouveau BRS"
    QPushButton* validateButton; // "(#F5) Valider"
    // Columns "Code", "Désignation", "Qté entrée", "Qté sortie", "Observations".
    QTreeWidget* lines;
};
