#include "screens/home/foundsetpage.h"

FoundSetPage::FoundSetPage(HomePagesState& pages, QWidget* parent)
    : QWidget(parent), pages_(pages) {
    setAutoFillBackground(true);
}
