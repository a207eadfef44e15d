#include "options/cardbackpage.h"

#include <QCoreApplication>
#include <QFrame>

#include "controls/carddeck.h"
#include "options/optionshost.h"

namespace {

constexpr int FrameMargin = 4;
constexpr int BacksPerRow = 6;
constexpr int UpperRowTop = 14;
constexpr int LowerRowTop = 130;
constexpr std::array<int, BacksPerRow> UpperRowLefts = {10, 95, 182, 270, 357, 444};
constexpr std::array<int, BacksPerRow> LowerRowLefts = {9, 95, 183, 273, 359, 444};

// What each back shows, for those who cannot see it.
QString BackName(int back)
{
    static const char* const pictures[] = {
        "", QT_TRANSLATE_NOOP("TCardBackPage", "blue checks"), QT_TRANSLATE_NOOP("TCardBackPage", "red checks"),
        QT_TRANSLATE_NOOP("TCardBackPage", "blue diagonal stripes"), QT_TRANSLATE_NOOP("TCardBackPage", "red diagonal stripes"),
        QT_TRANSLATE_NOOP("TCardBackPage", "blue tiles"), QT_TRANSLATE_NOOP("TCardBackPage", "green and red stripes"),
        QT_TRANSLATE_NOOP("TCardBackPage", "landscape with sun and tree"), QT_TRANSLATE_NOOP("TCardBackPage", "brick wall"),
        QT_TRANSLATE_NOOP("TCardBackPage", "purple and cyan frames"), QT_TRANSLATE_NOOP("TCardBackPage", "night sky with the moon"),
        QT_TRANSLATE_NOOP("TCardBackPage", "cyan lines"), QT_TRANSLATE_NOOP("TCardBackPage", "Brackwater monogram"),
    };
    return TCardBackPage::tr("Card back %1: %2").arg(back).arg(QCoreApplication::translate("TCardBackPage", pictures[back]));
}

QPoint SamplePlace(int back)
{
    const int column = (back - 1) % BacksPerRow;
    return back <= BacksPerRow ? QPoint(UpperRowLefts[column], UpperRowTop) : QPoint(LowerRowLefts[column], LowerRowTop);
}

}  // namespace

TCardBackPage::TCardBackPage(GameSettings& settings, TOptionsHost& host, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , host_(host)
{
    setObjectName(QStringLiteral("TabSheet2"));
    CreateControls();
}

void TCardBackPage::CreateControls()
{
    // Created first, so the cards lie on top of it.
    bvlCard = new QFrame(this);
    bvlCard->setObjectName(QStringLiteral("bvlCard"));
    bvlCard->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bvlCard->setLineWidth(1);
    bvlCard->resize(TCarddeck::CardWidth + 2 * FrameMargin, TCarddeck::CardHeight + 2 * FrameMargin);

    for (int back = 1; back <= BackCount; ++back) {
        auto* card = new TCarddeck(this);
        // As the layout names them: only the first with a capital S.
        card->setObjectName(back == 1 ? QStringLiteral("card_Select1") : QStringLiteral("card_select%1").arg(back));
        card->move(SamplePlace(back));
        card->SetCardBack(static_cast<TCarddeck::TCardBack>(back));
        card->SetTag(back);
        // Tab reaches every back in screen order; Space or Return chooses it.
        card->setFocusPolicy(Qt::StrongFocus);
        card->SetPressable(true);
        card->setAccessibleName(BackName(back));
        connect(card, &TCarddeck::Click, this, &TCardBackPage::ClickCardBack);
        card_Select[back] = card;
    }
}

void TCardBackPage::ClickCardBack(TCarddeck* sender)
{
    settings_.CardBack = static_cast<std::uint8_t>(sender->Tag());
    MarkCardBack();
    host_.ApplyCardBack();
}

void TCardBackPage::MarkCardBack()
{
    const int back = settings_.CardBack;
    if (back < 1 || back > BackCount) {
        bvlCard->hide();
        return;
    }
    const TCarddeck* sample = card_Select[back];
    bvlCard->move(sample->x() - FrameMargin, sample->y() - FrameMargin);
    bvlCard->show();
}
