#include "screens/about/state.h"

#include <QLabel>

#include "app/shellwindows.h"
#include "screens/about/makercontact.h"

TUpgradeBox::TUpgradeBox(QWidget* parent)
    : InfoBox(QStringLiteral("Upgrade to explore the whole of mainland Verdanis"), parent) {
    Windows().UpgradeBox = this;
    ProductName = panelLabel(QStringLiteral("Upgrade to the full Vantora Verdanis"),
                             QRect(76, 8, 262, 40), Qt::AlignLeft);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    StaticText1 = panelLabel(QStringLiteral("Vantora Fernvales lets you explore the many delights "
                                            "of the Corvanic Fernvales with 345 photgraphs of 159 "
                                            "places."),
                             QRect(76, 48, 262, 72), Qt::AlignLeft);
    StaticText2 = panelLabel(
        QStringLiteral("Upgrade to the full Vantora Verdanis and explore the whole of mainland "
                       "Verdanis, all the places greyed out on the map, with 10,000+ pictures of "
                       "3,000+ places, including:"),
        QRect(12, 124, 324, 72), Qt::AlignHCenter);
    Label3 = panelLabel(QStringLiteral("* The entire coast, usually in steps of 10 miles or less"),
                        QRect(12, 200, 324, 36), Qt::AlignLeft);
    Label1 = panelLabel(QStringLiteral("* Virtually every city and town"), QRect(12, 238, 324, 18),
                        Qt::AlignLeft);
    Label2 =
        panelLabel(QString::fromLatin1(kMakerContact), QRect(12, 262, 324, 20), Qt::AlignHCenter);
}

void TUpgradeBox::ShowUpgradeBox() { exec(); }

void TUpgradeBox::showEvent(QShowEvent*) { FormShow(); }

void TUpgradeBox::hideEvent(QHideEvent*) { FormHide(); }

void TUpgradeBox::FormShow() {
    centre();
    UpgradeShowing = true;
}

void TUpgradeBox::FormHide() { UpgradeShowing = false; }
