#include "screens/about/zmrandom.h"

#include <QLabel>

#include "app/shellwindows.h"
#include "screens/about/machinedesc.h"
#include "screens/about/makercontact.h"

TZMAboutBox::TZMAboutBox(QWidget* parent)
    : InfoBox(QStringLiteral("About Vantora Fernvales"), parent) {
    Windows().ZMAboutBox = this;
    ProductName =
        panelLabel(QStringLiteral("Vantora Fernvales"), QRect(80, 22, 150, 24), Qt::AlignLeft);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Version = panelLabel(QStringLiteral("Version 1.2"), QRect(232, 22, 100, 24), Qt::AlignLeft);
    StaticText1 = panelLabel(QStringLiteral("Upgrade to the full Vantora Verdanis and explore the "
                                            "whole of mainland Verdanis with 10,000+ pictures of "
                                            "3,000+ places."),
                             QRect(12, 88, 324, 54), Qt::AlignHCenter);
    Label2 =
        panelLabel(QString::fromLatin1(kMakerContact), QRect(12, 146, 324, 22), Qt::AlignHCenter);
    Rights = panelLabel(QStringLiteral("Images, text and software \u00A9 Vantora Software Ltd. "
                                       "All rights reserved."),
                        QRect(16, 172, 315, 48), Qt::AlignHCenter);
    MachineTitle =
        panelLabel(QStringLiteral("Machine:"), QRect(12, 226, 324, 20), Qt::AlignHCenter);
    MachineDesc = panelLabel(QString(), QRect(6, 246, 336, 42), Qt::AlignHCenter);
}

void TZMAboutBox::ShowAbout() { exec(); }

void TZMAboutBox::showEvent(QShowEvent*) { FormShow(); }

void TZMAboutBox::hideEvent(QHideEvent*) { FormHide(); }

void TZMAboutBox::FormShow() {
    centre();
    MachineDesc->setText(QString::fromStdString(FormatMachineDesc(CurrentMachine())));
    AboutShowing = true;
}

void TZMAboutBox::FormHide() { AboutShowing = false; }
