// The editor's model: undo and redo walk the edits back and forth, refused
// and empty edits leave no step, and the modified mark follows the last save.
#include "reports/ImageEditor.h"
#include "support/Images.h"

#include <gtest/gtest.h>

using namespace cs;
using namespace cs::test;

TEST(ImageEditor, UndoAndRedoWalkTheEditsBackAndForth)
{
    for (int seed = 0; seed < 10; ++seed) {
        std::mt19937 rng(seed + 300);
        ImageEditor editor;
        editor.load(realisticImage(rng));
        QList<Buffer> states{editor.image()};
        for (int i = 0; i < 20; ++i) {
            const QString n = QString::number(pick(rng, 0, 255));
            const int v = pick(rng, 0, 3);
            const Outcome o = editor.edit(QString::number(i), [&](ImageEdits& e) {
                switch (v) {
                case 0: return e.setPager(n, n, v, 1, 2, 3);
                case 1: return e.deletePager(n);
                case 2: return e.setWorkMode(pick(rng, 0, 3));
                default: return e.setTransmitterFrequency(pick(rng, 0, 1) ? "" : "430");
                }
            });
            if (editor.image() != states.last()) {
                EXPECT_TRUE(o.done());
                states.append(editor.image());
            }
            EXPECT_EQ(editor.canUndo(), states.size() > 1);
        }
        EXPECT_EQ(editor.modified(), states.size() > 1);
        for (qsizetype j = states.size() - 1; j > 0; --j) {
            ASSERT_EQ(editor.image(), states[j]) << seed << " " << j;
            editor.undo();
        }
        EXPECT_EQ(editor.image(), states.first());
        EXPECT_FALSE(editor.canUndo());
        EXPECT_FALSE(editor.modified());
        while (editor.canRedo())
            editor.redo();
        EXPECT_EQ(editor.image(), states.last()) << seed;
    }
}

TEST(ImageEditor, StepsAndTheModifiedMark)
{
    ImageEditor editor;
    const auto mode = [&](int m) {
        return editor.edit("mode " + QString::number(m),
                           [m](ImageEdits& e) { return e.setWorkMode(m); });
    };
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(mode(5).ending, Ending::Refused); // refused: no step
    EXPECT_FALSE(editor.canUndo());
    mode(1);
    mode(1); // nothing changed: no step
    mode(2);
    EXPECT_EQ(editor.undoName(), "mode 2");
    editor.undo();
    EXPECT_EQ(std::tuple(editor.undoName(), editor.redoName()),
              std::tuple(QString("mode 1"), QString("mode 2")));
    editor.markSaved();
    EXPECT_FALSE(editor.modified());
    editor.redo();
    EXPECT_TRUE(editor.modified());
    editor.undo();
    EXPECT_FALSE(editor.modified()); // back where it was saved
    mode(0);                         // a new edit drops the step to redo
    EXPECT_FALSE(editor.canRedo());
    EXPECT_EQ(editor.image()[8166], 0);
    editor.load(Buffer{});
    EXPECT_FALSE(editor.canUndo() || editor.canRedo() || editor.modified());
}
