#include "screens/map/mapprinting.h"

#include <QImage>

#include "app/screenset.h"
#include "screens/common/pictureprinting.h"

void PrintMapImage(const QImage& client) {
    if (ReadyToPrintPicture()) PrintPicture(client, "Vantora: Map");
    RaiseCompanionWindows();
}
