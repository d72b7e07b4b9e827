#include "cards/unit_card_window.h"

#include "base/path_resolver.h"
#include "cards/key_point_records.h"
#include "catalogue/run_state.h"

namespace qinghe {

UnitCardWindow::UnitCardWindow(const RunState& state, const PathResolver& paths, QWidget* parent)
    : KeyPointCardWindow(QStringLiteral("Tfrm_UnitInfo"), QStringLiteral("单元基础知识点归纳"), kTextPixels,
                         4, parent)
    , state_(state)
    , paths_(paths) {}

void UnitCardWindow::showUnit(int book, int unit, const QString& title) {
    const QString text = keyPointTextFromFile(paths_.resolve(unitKeyPointDocument(state_.edition(), book)),
                                              unitKeyPointKey(unit));
    present(title, text);
}

} // namespace qinghe
