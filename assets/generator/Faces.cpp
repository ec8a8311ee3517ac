#include "BoxerFace.h"
#include "FaceGeometry.h"

namespace {

using Hair = BoxerFace::Hair;
using Eyes = BoxerFace::Eyes;
using Nose = BoxerFace::Nose;
using Mouth = BoxerFace::Mouth;
using Beard = BoxerFace::Beard;
using Headwear = BoxerFace::Headwear;

// clang-format off
// Head shapes: top, temple, cheek, cheekY, jaw, jawY, chin, chinY, jaw corner, neck (see BoxerFace::Shape).
constexpr BoxerFace::Shape Oval{8.0, 18.5, 20.5, 33.0, 15.5, 49.0, 5.0, 61.0, 0.2, 10.5};
constexpr BoxerFace::Shape Round{9.0, 20.5, 23.0, 35.0, 19.0, 50.0, 7.5, 60.0, 0.1, 11.5};
constexpr BoxerFace::Shape Square{8.0, 20.0, 21.5, 33.0, 20.0, 51.0, 9.5, 61.0, 0.75, 12.5};
constexpr BoxerFace::Shape Long{7.0, 17.5, 19.0, 32.0, 15.0, 51.0, 5.0, 63.0, 0.3, 10.0};
constexpr BoxerFace::Shape WideJaw{8.0, 19.0, 22.0, 34.0, 21.5, 51.0, 10.0, 61.0, 0.55, 14.5};
constexpr BoxerFace::Shape Narrow{8.0, 20.0, 20.5, 32.0, 13.5, 50.0, 3.5, 61.0, 0.2, 9.5};
// clang-format on

BoxerFace boxer(int row, const char *who, BoxerFace::Shape shape, QColor skin, Hair hair, QColor hairColour)
{
    BoxerFace face;
    face.fileName = QStringLiteral("%1.gif").arg(row);
    face.who = QString::fromUtf8(who);
    face.shape = shape;
    face.skin = skin;
    face.hair = hair;
    face.hairColour = hairColour;
    return face;
}

// A scar from one point to another, given relative to the eye on that side (-1 the viewer's left).
QLineF nearEye(const BoxerFace &face, int side, QPointF from, QPointF to)
{
    const FaceGeometry g(face);
    const QPointF eye(g.cx + side * g.eyeGap, g.eyeY);
    return QLineF(eye + from, eye + to);
}

} // namespace

std::vector<BoxerFace> opponentFaces()
{
    std::vector<BoxerFace> faces;

    BoxerFace tiger = boxer(2, "Tiger Ginkawa: a beginner on a losing run", Oval, QColor(0xF1, 0xCA, 0xA2),
                            Hair::Spiky, QColor(0xDC, 0xA6, 0x3E));
    tiger.streakColour = QColor(0x3A, 0x2A, 0x1E);
    tiger.browSlant = -1.0;
    tiger.browThickness = 1.3;
    tiger.mouth = Mouth::Frown;
    tiger.mouthHalf = 5.0;
    tiger.plaster = true;
    tiger.bruise = true;
    faces.push_back(tiger);

    BoxerFace morishita = boxer(3, "Morishita Keigo: strong against the weak", Round,
                                QColor(0xEE, 0xC2, 0x9A), Hair::SidePart, QColor(0x1E, 0x1A, 0x18));
    morishita.browThickness = 1.0;
    morishita.browSlant = 0.3;
    morishita.eyes = Eyes::Narrow;
    morishita.mouth = Mouth::Smirk;
    faces.push_back(morishita);

    BoxerFace kato = boxer(4, "Kato Sho: in a slump", Long, QColor(0xF2, 0xCD, 0xA8), Hair::Fringe,
                           QColor(0x3A, 0x2A, 0x20));
    kato.browThickness = 1.2;
    kato.browSlant = -0.6;
    kato.eyes = Eyes::Sleepy;
    kato.eyeBags = true;
    kato.nose = Nose::Long;
    kato.mouthHalf = 4.8;
    faces.push_back(kato);

    BoxerFace takagi = boxer(5, "Takagi Masaharu: the former champion", Square, QColor(0xD6, 0xA2, 0x73),
                             Hair::CrewCut, QColor(0x1A, 0x17, 0x16));
    takagi.browThickness = 2.2;
    takagi.browSlant = 1.4;
    takagi.eyes = Eyes::Sharp;
    takagi.nose = Nose::Wide;
    takagi.mouth = Mouth::Clenched;
    takagi.beard = Beard::Stubble;
    takagi.scars.push_back(nearEye(takagi, -1, {-3.0, -8.0}, {0.5, -2.8}));
    faces.push_back(takagi);

    BoxerFace iwata = boxer(6, "Iwata Koji: the lucky new champion", Round, QColor(0xEC, 0xBF, 0x96),
                            Hair::PunchPerm, QColor(0x22, 0x1C, 0x1A));
    iwata.shape.cheekHalf = 23.5;
    iwata.browThickness = 1.5;
    iwata.browSlant = -0.4;
    iwata.eyes = Eyes::Round;
    iwata.nose = Nose::Wide;
    iwata.mouth = Mouth::Grin;
    iwata.mouthHalf = 6.5;
    faces.push_back(iwata);

    BoxerFace park = boxer(7, "Park Dong-seung: the veteran", Long, QColor(0xF2, 0xD0, 0xAC), Hair::Receding,
                           QColor(0x2E, 0x2B, 0x2A));
    park.streakColour = QColor(0xA8, 0xA6, 0xA2);
    park.browThickness = 1.3;
    park.browSlant = 0.2;
    park.eyes = Eyes::Narrow;
    park.wrinkles = true;
    park.nose = Nose::Long;
    park.mouthHalf = 5.0;
    park.beard = Beard::ThinMoustache;
    faces.push_back(park);

    BoxerFace nojiri = boxer(8, "Nojiri Hideaki: the former Japanese champion", WideJaw,
                             QColor(0xE6, 0xB8, 0x8E), Hair::SlickedBack, QColor(0x16, 0x14, 0x14));
    nojiri.browThickness = 1.8;
    nojiri.browSlant = 0.8;
    nojiri.nose = Nose::Broken;
    nojiri.cauliflowerEar = true;
    nojiri.beard = Beard::Goatee;
    faces.push_back(nojiri);

    BoxerFace prasert = boxer(9, "Prasert Wong: from Muay Thai, hard to hurt", WideJaw,
                              QColor(0xB2, 0x7B, 0x52), Hair::Bald, QColor(0x17, 0x13, 0x12));
    prasert.shape.jawHalf = 22.0;
    prasert.shape.neckHalf = 16.0;
    prasert.browThickness = 1.6;
    prasert.browSlant = 0.5;
    prasert.nose = Nose::Flat;
    prasert.headwear = Headwear::Mongkol;
    prasert.scars.push_back(nearEye(prasert, 1, {2.5, 4.0}, {4.5, 11.0}));
    prasert.scars.push_back(nearEye(prasert, -1, {-2.5, -6.0}, {1.0, -5.0}));
    faces.push_back(prasert);

    BoxerFace zhao = boxer(10, "Zhao Ganglie: the eternal challenger", Square, QColor(0xEF, 0xCB, 0xA5),
                           Hair::FlatTop, QColor(0x14, 0x12, 0x12));
    zhao.shape.jawCorner = 0.5;
    zhao.browThickness = 2.4;
    zhao.browSlant = 1.0;
    zhao.browGap = 2.0;
    zhao.eyes = Eyes::Round;
    zhao.mouth = Mouth::Frown;
    zhao.mouthHalf = 5.0;
    zhao.scars.push_back(nearEye(zhao, -1, {-3.5, 4.5}, {1.0, 9.5}));
    faces.push_back(zhao);

    BoxerFace matsunaga = boxer(11, "Matsunaga Shunsuke: the long-reigning champion", Oval,
                                QColor(0xED, 0xC7, 0xA0), Hair::Pompadour, QColor(0x20, 0x1B, 0x19));
    matsunaga.browThickness = 1.5;
    matsunaga.browSlant = 0.4;
    matsunaga.eyes = Eyes::Sharp;
    matsunaga.nose = Nose::Long;
    matsunaga.sideburns = true;
    faces.push_back(matsunaga);

    BoxerFace zhuge = boxer(12, "Zhuge Wenyuan: the hero of China", Long, QColor(0xF3, 0xD2, 0xAE),
                            Hair::Topknot, QColor(0x14, 0x12, 0x12));
    zhuge.browThickness = 1.1;
    zhuge.browSlant = 0.1;
    zhuge.eyes = Eyes::Sharp;
    zhuge.nose = Nose::Long;
    zhuge.mouthHalf = 4.5;
    zhuge.beard = Beard::MoustacheAndGoatee;
    faces.push_back(zhuge);

    BoxerFace stone = boxer(13, "Mike Stone: held back by the world's ranks", Square,
                            QColor(0x7A, 0x4A, 0x2E), Hair::ShortAfro, QColor(0x12, 0x10, 0x10));
    stone.browThickness = 1.9;
    stone.browSlant = 1.1;
    stone.nose = Nose::Wide;
    stone.mouth = Mouth::Frown;
    stone.mouthHalf = 5.8;
    stone.beard = Beard::CircleBeard;
    faces.push_back(stone);

    BoxerFace hayes = boxer(14, "Darryl Hayes: the gifted out-boxer", Narrow, QColor(0x68, 0x41, 0x2B),
                            Hair::Dreadlocks, QColor(0x15, 0x11, 0x10));
    hayes.browThickness = 1.2;
    hayes.browSlant = -0.2;
    hayes.mouth = Mouth::Smirk;
    hayes.beard = Beard::ThinMoustache;
    faces.push_back(hayes);

    BoxerFace chen = boxer(15, "Chen Zhihao: the combination puncher", Narrow, QColor(0xF0, 0xCD, 0xA4),
                           Hair::Mohawk, QColor(0x8E, 0x3A, 0x22));
    chen.shape.top = 10.0;
    chen.shape.jawHalf = 15.0;
    chen.browThickness = 1.3;
    chen.browSlant = 0.9;
    chen.mouth = Mouth::Grin;
    chen.mouthHalf = 6.0;
    faces.push_back(chen);

    BoxerFace miyasaka = boxer(16, "Miyasaka Kenichi: a straight like a sword", Long,
                               QColor(0xEF, 0xCA, 0xA4), Hair::TiedBack, QColor(0x0F, 0x0D, 0x0D));
    miyasaka.shape.cheekHalf = 18.5;
    miyasaka.browThickness = 1.6;
    miyasaka.browSlant = 1.2;
    miyasaka.eyes = Eyes::Sharp;
    miyasaka.nose = Nose::Long;
    miyasaka.mouthHalf = 4.5;
    miyasaka.scars.push_back(nearEye(miyasaka, 1, {-1.0, 4.5}, {6.0, 14.0}));
    faces.push_back(miyasaka);

    BoxerFace berger = boxer(17, "Hans Berger: the southpaw", Square, QColor(0xF3, 0xD4, 0xC4), Hair::Buzz,
                             QColor(0xC9, 0xA6, 0x6B));
    berger.shape.neckHalf = 14.0;
    berger.browThickness = 1.5;
    berger.browSlant = 0.8;
    berger.eyes = Eyes::Sharp;
    berger.iris = QColor(0x3F, 0x6F, 0xA8);
    berger.nose = Nose::Long;
    berger.mouth = Mouth::Frown;
    berger.scars.push_back(nearEye(berger, 1, {-1.5, -7.5}, {2.5, -4.5}));
    faces.push_back(berger);

    BoxerFace salazar = boxer(18, "Miguel Salazar: the unbeaten world champion", Oval,
                              QColor(0xC4, 0x8A, 0x5E), Hair::Wavy, QColor(0x15, 0x11, 0x0F));
    salazar.shape.jawHalf = 17.5;
    salazar.shape.jawCorner = 0.45;
    salazar.browThickness = 1.7;
    salazar.browSlant = 0.3;
    salazar.nose = Nose::Wide;
    salazar.beard = Beard::FullMoustache;
    salazar.sideburns = true;
    faces.push_back(salazar);

    return faces;
}

BoxerFace sparringPartnerFace()
{
    BoxerFace spar = boxer(0, "the sparring partner, in headgear", Oval, QColor(0xF0, 0xC9, 0xA0),
                           Hair::CrewCut, QColor(0x1D, 0x19, 0x17));
    spar.fileName = QStringLiteral("Spar.gif");
    spar.browSlant = 0.3;
    spar.mouth = Mouth::MouthGuard;
    spar.headwear = Headwear::Headgear;
    spar.headwearColour = QColor(0x2D, 0x5B, 0xB5);
    return spar;
}
