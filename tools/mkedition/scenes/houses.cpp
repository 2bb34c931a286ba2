#include "tools/mkedition/scenes/houses.h"

#include <QPainter>
#include <algorithm>

#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

namespace {

constexpr double kStorey = 3.0;

void PaintTimbers(QPainter& p, double w, double h, int storeys, int bays) {
    const QColor oak(44, 34, 28);
    const double beam = 0.22;
    p.setBrush(oak);
    for (int s = 0; s <= storeys; ++s)
        p.drawRect(QRectF(0, std::min(h - beam, s * kStorey), w, beam));
    for (int b = 0; b <= bays; ++b)
        p.drawRect(QRectF(std::min(w - beam, b * w / bays), 0, beam, h));
    // Close studding and braces between the posts.
    p.setPen(QPen(oak, beam * 0.8));
    for (int s = 1; s < storeys; ++s) {
        const double y0 = s * kStorey, y1 = std::min(h, y0 + kStorey);
        for (int b = 0; b < bays; ++b) {
            const double x0 = b * w / bays, x1 = (b + 1) * w / bays;
            p.drawLine(QPointF(x0, y0), QPointF(Lerp(x0, x1, 0.35), y1));
            p.drawLine(QPointF(x1, y0), QPointF(Lerp(x0, x1, 0.65), y1));
        }
    }
    p.setPen(Qt::NoPen);
}

void PaintShopFront(QPainter& p, const OpeningLook& look, double w, const QColor& accent) {
    const double sill = 0.6, top = 2.4;
    p.fillRect(QRectF(0.2, 0, w - 0.4, 3.0), Scaled(accent, 0.8));
    // The fascia board.
    p.fillRect(QRectF(0.2, top + 0.05, w - 0.4, 0.5), accent);
    p.fillRect(QRectF(0.2, top + 0.5, w - 0.4, 0.1), Scaled(accent, 0.6));
    const QRectF window(0.5, sill, w * 0.62, top - sill - 0.15);
    PaintWindow(p, window, Arch::Flat, look, 3, 1, look.litShare > 0);
    PaintDoorway(p, QRectF(w * 0.72, 0, std::min(1.1, w * 0.2), 2.2), Arch::Flat,
                 Scaled(accent, 0.7), Scaled(accent, 1.1));
}

FaceDetail HouseFront(const House& house, const OpeningLook& look) {
    return [house, look](QPainter& p, double w, double h) {
        const int bays = std::max(1, static_cast<int>(w / 2.8));
        const int firstFloor = house.shop ? 1 : 0;
        if (house.style == HouseStyle::Timbered) PaintTimbers(p, w, h, house.storeys, bays);
        const bool georgian = house.style == HouseStyle::Georgian;
        const double windowW = georgian ? 1.0 : house.style == HouseStyle::Cottage ? 0.8 : 0.95;
        const double windowH = georgian ? 1.7 : house.style == HouseStyle::Victorian ? 1.8 : 1.1;
        const int across = 2;
        const int up = georgian ? 3 : 2;
        for (int s = std::max(1, firstFloor); s < house.storeys; ++s)
            PaintWindowRow(p, 0, w, s * kStorey + 0.8, bays, windowW, windowH,
                           house.style == HouseStyle::Victorian ? Arch::Round : Arch::Flat, look,
                           across, up);
        if (georgian) {
            p.fillRect(QRectF(0, kStorey - 0.1, w, 0.18), Scaled(house.wall.colour, 1.15));
            p.fillRect(QRectF(0, h - 0.5, w, 0.5), Scaled(house.wall.colour, 1.12));
        }
        if (house.shop) {
            PaintShopFront(p, look, w, house.accent);
            return;
        }
        const double doorX = bays > 1 ? w * 0.5 : w * 0.7;
        PaintDoorway(p, QRectF(doorX - 0.5, 0, 1.0, 2.2), georgian ? Arch::Round : Arch::Flat,
                     house.accent, look.dressing);
        if (bays > 1) {
            PaintWindowRow(p, 0, doorX - 0.8, 0.8, std::max(1, bays / 2), windowW, windowH,
                           Arch::Flat, look, across, up);
            PaintWindowRow(p, doorX + 0.8, w, 0.8, std::max(1, bays / 2), windowW, windowH,
                           Arch::Flat, look, across, up);
        }
    };
}

void PaintChimney(SceneContext& scene, const Camera& camera, const House& house) {
    const Box& b = house.box;
    const double top = b.base + b.height + house.roofRise;
    const bool alongX = house.roof == Roof::Gable;
    const double x = alongX ? b.x + b.width * 0.15 : b.x + b.width / 2 - 0.4;
    const double z = alongX ? b.z + b.depth / 2 - 0.4 : b.z + b.depth * 0.2;
    const Material brick{
        house.style == HouseStyle::Cottage ? house.wall.colour : QColor(140, 76, 56),
        Masonry::Brick};
    PaintBox(scene, camera, Box{x, z, 0.8, 0.8, 1.4, top - 0.6}, brick);
}

}  // namespace

HouseStyle RandomHouseStyle(SceneRandom& random, int year) {
    if (year < 1650) return random.Chance(0.6) ? HouseStyle::Timbered : HouseStyle::Cottage;
    static constexpr HouseStyle kStyles[] = {HouseStyle::Timbered, HouseStyle::Georgian,
                                             HouseStyle::Georgian, HouseStyle::Cottage,
                                             HouseStyle::Painted,  HouseStyle::Victorian};
    return random.Pick(kStyles);
}

House RandomHouse(SceneRandom& random, HouseStyle style, const Box& footprint) {
    House house;
    house.box = footprint;
    house.style = style;
    SetStoreys(house, style == HouseStyle::Cottage
                          ? 2
                          : random.Int(2, style == HouseStyle::Georgian ? 4 : 3));
    house.roof =
        random.Chance(style == HouseStyle::Timbered ? 0.5 : 0.15) ? Roof::GableEndOn : Roof::Gable;
    house.roofRise =
        style == HouseStyle::Georgian ? random.Range(1.5, 2.5) : random.Range(2.5, 4.5);
    static const QColor kBricks[] = {QColor(150, 82, 60), QColor(170, 100, 72),
                                     QColor(128, 70, 54)};
    static const QColor kPaints[] = {QColor(236, 232, 222), QColor(232, 206, 196),
                                     QColor(206, 222, 232), QColor(236, 222, 170),
                                     QColor(200, 222, 200), QColor(240, 240, 236)};
    static const QColor kStones[] = {QColor(196, 180, 150), QColor(170, 160, 146),
                                     QColor(210, 196, 164)};
    static const QColor kAccents[] = {QColor(30, 60, 48), QColor(120, 30, 36),  QColor(26, 40, 80),
                                      QColor(40, 40, 44), QColor(150, 110, 40), QColor(80, 40, 90)};
    switch (style) {
        case HouseStyle::Timbered:
            house.wall = {QColor(238, 232, 214), Masonry::Smooth};
            break;
        case HouseStyle::Georgian:
            house.wall = random.Chance(0.6) ? Material{random.Pick(kBricks), Masonry::Brick}
                                            : Material{random.Pick(kStones), Masonry::Ashlar};
            break;
        case HouseStyle::Cottage:
            house.wall = {random.Pick(kStones), Masonry::Rubble};
            break;
        case HouseStyle::Painted:
            house.wall = {random.Pick(kPaints), Masonry::Smooth};
            break;
        case HouseStyle::Victorian:
            house.wall = {random.Pick(kBricks), Masonry::Brick};
            break;
    }
    static const QColor kRoofs[] = {QColor(78, 82, 92), QColor(150, 84, 62), QColor(120, 86, 66),
                                    QColor(96, 96, 100)};
    house.roofing = {random.Pick(kRoofs), Masonry::Slate};
    house.accent = random.Pick(kAccents);
    return house;
}

void SetStoreys(House& house, int storeys) {
    house.storeys = storeys;
    house.box.height = storeys * kStorey + (house.style == HouseStyle::Georgian ? 0.6 : 0.2);
}

void PaintHouse(SceneContext& scene, const Camera& camera, const House& house, Frontage frontage) {
    const FaceDetail front = HouseFront(house, WindowLook(scene, house.wall.colour));
    BoxFaces faces;
    switch (frontage) {
        case Frontage::Front:
            faces.front = front;
            break;
        case Frontage::Left:
            faces.left = front;
            break;
        case Frontage::Right:
            faces.right = front;
            break;
    }
    PaintBox(scene, camera, house.box, house.wall, faces);
    RoofDesign roof{house.roof, house.roofRise, house.roofing, house.wall};
    if (scene.mood.snow) roof.covering.colour = QColor(236, 240, 246);
    PaintRoof(scene, camera, house.box, roof);
    PaintChimney(scene, camera, house);
}
