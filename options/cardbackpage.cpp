#include "options/cardbackpage.h"

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
