// The largest face that fits a height: the same answer as trying every size from the largest.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>

#include "platform/fontsetup.h"
#include "screens/common/fontfit.h"

namespace {

int everySizeInTurn(QFont font, int largest, int smallest, int room) {
    for (int size = largest; size > smallest; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= room) return size;
    }
    return smallest;
}

TEST(FontFit, AgreesWithTryingEverySize) {
    InstallFontSubstitutions();
    QFont bookman(QString::fromLatin1(kBookmanFace));
    bookman.setBold(true);
    const QFont sans(QString::fromLatin1(kSansFace));
    for (const QFont& font : {bookman, sans}) {
        for (int box : {12, 20, 33, 44, 58}) {
            for (int room = 6; room <= box + 4; room += 3)
                EXPECT_EQ(LargestPixelSizeWithin(font, box, 9, room),
                          everySizeInTurn(font, box, 9, room))
                    << font.family().toStdString() << " box " << box << " room " << room;
        }
    }
    EXPECT_EQ(LargestPixelSizeWithin(sans, 9, 9, 100), 9) << "nothing to choose from";
}

}  // namespace
