#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {

MessageResponder& responder() {
    static MessageResponder instance;
    return instance;
}

MessageAnswer showModal(const std::string& caption, const std::string& text,
                        MessageButtons buttons) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text));
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
}

}  // namespace

MessageAnswer ShowMessageBox(const std::string& caption, const std::string& text,
                             MessageButtons buttons) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
    if (responder()) return responder()(caption, text, buttons);
    return showModal(caption, text, buttons);
}

void SetMessageResponder(MessageResponder r) { responder() = std::move(r); }
