#pragma once

#include <QColor>
#include <QLineF>
#include <QString>
#include <vector>

// Everything that makes one boxer's face his own. Lengths are pixels of the 73 × 70 picture.
struct BoxerFace
{
    enum class Hair {
        Bald,
        Buzz,
        CrewCut,
        FlatTop,
        SidePart,
        Spiky,
        Mohawk,
        ShortAfro,
        PunchPerm,
        Receding,
        SlickedBack,
        Pompadour,
        Topknot,
        Dreadlocks,
        Fringe,
        TiedBack,
        Wavy
    };
    enum class Eyes { Normal, Narrow, Round, Sleepy, Sharp };
    enum class Nose { Small, Long, Wide, Broken, Flat };
    enum class Mouth { Flat, Frown, Smirk, Grin, Clenched, MouthGuard };
    enum class Beard {
        None,
        Stubble,
        Moustache,
        ThinMoustache,
        FullMoustache,
        Goatee,
        MoustacheAndGoatee,
        CircleBeard
    };
    enum class Headwear { None, Headgear, Mongkol, Headband };

    struct Shape
    {
        double top;        // top of the skull
        double templeHalf; // half the width at the temples
        double cheekHalf;  // half the width at the cheekbones
        double cheekY;
        double jawHalf; // half the width at the corners of the jaw
        double jawY;
        double chinHalf; // half the width of the chin
        double chinY;
        double jawCorner; // 0 a rounded jaw line, 1 a sharp corner
        double neckHalf;
    };

    QString fileName;
    QString who; // whose face it is, for the generator's listing
    Shape shape;
    QColor skin;
    Hair hair = Hair::Bald;
    QColor hairColour;
    QColor streakColour; // highlights or grey; invalid for none
    double browThickness = 1.4;
    double browSlant = 0; // positive: inner ends lowered, a fierce look; negative: raised, worried
    double browGap = 3.2; // half the gap between the inner ends
    Eyes eyes = Eyes::Normal;
    QColor iris = QColor(0x3B, 0x25, 0x18);
    Nose nose = Nose::Small;
    Mouth mouth = Mouth::Flat;
    double mouthHalf = 5.5;
    Beard beard = Beard::None;
    bool sideburns = false;
    bool cauliflowerEar = false;
    bool wrinkles = false;
    bool eyeBags = false;
    bool plaster = false; // a sticking plaster across the bridge of the nose
    bool bruise = false;  // a bruise under the left eye (viewer's right)
    std::vector<QLineF> scars;
    Headwear headwear = Headwear::None;
    QColor headwearColour;
};

// The seventeen opponents of the ladder, 2.gif to 18.gif, in ladder order.
std::vector<BoxerFace> opponentFaces();
// The sparring partner in his headgear, Spar.gif.
BoxerFace sparringPartnerFace();
