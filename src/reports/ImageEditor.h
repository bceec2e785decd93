#pragma once
// A host image being edited offline, as an editor window holds it: every
// change goes through the edits of ImageEdits.h, each one that changed cells
// becomes one step that can be undone and redone, and the image knows whether
// it differs from what was last loaded or saved (the window's modified mark
// and its question before closing or replacing unsaved edits). No widgets.

#include "reports/ImageEdits.h"
#include "shared/AppState.h"
#include "shared/Outcome.h"

#include <QList>
#include <QString>
#include <functional>

namespace cs {

class ImageEditor {
public:
    ImageEditor();

    const Buffer& image() const { return image_; }

    // Replaces the image (a read or an opened file): no history, not modified.
    void load(const Buffer& image);
    // The image as it stands was saved (or downloaded): not modified.
    void markSaved();
    // The image differs from the one last loaded or saved.
    bool modified() const;

    // Runs one edit. A refused edit changes nothing; a done one that changed
    // cells becomes an undo step named `name` and clears the steps to redo.
    Outcome edit(const QString& name, const std::function<Outcome(ImageEdits&)>& change);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The name of the step the next undo or redo takes back or makes again.
    QString undoName() const;
    QString redoName() const;
    void undo();
    void redo();

private:
    struct Cell {
        int address;
        std::uint8_t before, after;
    };
    struct Step {
        QString name;
        QList<Cell> cells;
    };

    Buffer image_{};
    Buffer saved_{};
    QList<Step> steps_;
    qsizetype done_ = 0; // steps_[0 .. done_-1] are in the image
};

} // namespace cs
