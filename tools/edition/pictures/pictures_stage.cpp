#include "pictures/mark_pictures.h"
#include "stages.h"

namespace qinghe::edition {

bool runPicturesStage(StageContext& context) {
    int written = 0;
    for (const MarkPicture& picture : markPictures()) {
        bool changed = false;
        if (!context.out.writeIfChanged(picture.file, pngBytes(drawMark(picture.mark, picture.size)),
                                        &changed)) {
            context.report << QStringLiteral("pictures: cannot write %1").arg(context.out.path(picture.file));
            return false;
        }
        written += changed ? 1 : 0;
    }
    if (stampFontFamily().isEmpty()) {
        // The frame alone still tells "to be checked" apart from right and wrong.
        context.report << QStringLiteral(
            "pictures: no installed Chinese font has 需核实; hslarge.png shows only its frame "
            "(install fonts-wqy-zenhei)");
    }
    context.report << QStringLiteral("pictures: %1 of %2 marking pictures written")
                          .arg(written)
                          .arg(markPictures().size());
    return true;
}

} // namespace qinghe::edition
