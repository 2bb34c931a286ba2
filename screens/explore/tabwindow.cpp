#include "screens/explore/tabwindow.h"

void TabWindow::scrollDown() {
    if (canScrollDown()) ++first;
}

void TabWindow::scrollUp() {
    if (canScrollUp()) --first;
}

void TabWindow::scrollTo(int n) {
    if (n < 1 || n > count || visible(n)) return;
    first = n >= first ? n - size + 1 : n;
}

void TabWindow::keepInView(int n) {
    if (n < first) {
        if (first - n == 1)
            scrollUp();
        else
            scrollTo(n);
    } else if (n > first + size - 1) {
        if (n == first + size)
            scrollDown();
        else
            scrollTo(n);
    }
}
