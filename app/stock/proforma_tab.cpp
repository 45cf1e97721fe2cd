#include "stock/proforma_tab.h"

#include <QLineEdit>
#include <QListWidget>

#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

ProformaTab::ProformaTab(QWidget* parent)
    : SalesDocumentTab(InvoiceKind::Proforma, QStringLiteral("FACTURE PROFORMA"), QColor(253, 252, 205), parent)
{
    client = new QLineEdit(this);
    makeUpperCase(client);
    designation = new QLineEdit(this);
    makeUpperCase(designation);
    pickList = new QListWidget(this);
    pickList->setFont(screenFont(22));
    setTextColours(pickList, QColor(255, 215, 0), QColor(70, 130, 180));
    setTextColours(pickList->viewport(), QColor(255, 215, 0), QColor(70, 130, 180));
    nameField(pickList, QStringLiteral("Liste de recherche"));
    build(client, designation, nullptr, pickList);
}
