#include "reports/ImageEditor.h"

#include <algorithm>

namespace cs {

ImageEditor::ImageEditor()
{
    image_.fill(0xFF);
    saved_ = image_;
}

void ImageEditor::load(const Buffer& image)
{
    image_ = image;
    saved_ = image;
    steps_.clear();
    done_ = 0;
}

void ImageEditor::markSaved()
{
    saved_ = image_;
}

bool ImageEditor::modified() const
{
    return !std::equal(image_.begin(), image_.begin() + HostMemorySize, saved_.begin());
}

Outcome ImageEditor::edit(const QString& name, const std::function<Outcome(ImageEdits&)>& change)
{
    Buffer edited = image_;
    ImageEdits edits(edited);
    const Outcome outcome = change(edits);
    if (!outcome.done())
        return outcome;
    // A step keeps only the cells it changed.
    Step step{name, {}};
    for (int a = 0; a < HostMemorySize; ++a)
        if (edited[size_t(a)] != image_[size_t(a)])
            step.cells.append({a, image_[size_t(a)], edited[size_t(a)]});
    if (step.cells.isEmpty())
        return outcome;
    image_ = edited;
    steps_.resize(done_);
    steps_.append(step);
    ++done_;
    return outcome;
}

QString ImageEditor::undoName() const
{
    return canUndo() ? steps_[done_ - 1].name : QString();
}

QString ImageEditor::redoName() const
{
    return canRedo() ? steps_[done_].name : QString();
}

void ImageEditor::undo()
{
    if (!canUndo())
        return;
    for (const Cell& c : steps_[--done_].cells)
        image_[size_t(c.address)] = c.before;
}

void ImageEditor::redo()
{
    if (!canRedo())
        return;
    for (const Cell& c : steps_[done_++].cells)
        image_[size_t(c.address)] = c.after;
}

} // namespace cs
