#pragma once
// The configuration of a host image as a JSON document that goes both ways:
// backupJson (ReportFormats.h, the JSON of every report kind with the format
// version) writes it, and the reader that applies such a document onto a base image with the edits
// of ImageEdits.h. The document of an image applied onto that image gives it back byte for byte.
// The JSON Schema of the format is packaging/ callsetup-backup.schema.json, built into the program.
//
// Reading rules:
// - A member that is missing leaves its cells; a value equal to the image's
//   leaves them too, so that values the window could not set stay as they are.
// - Lists and settings take their export word ("word", or the word itself in
//   place of the {code, word} object); "code" is read only where the word is
//   null, and 255 there means "not set" where the window can send that.
// - Pagers are matched by "number", tables by their caller's code "feature"
//   (else by "table"), keys by "key"; "delete": true deletes. A table that the
//   image does not hold cannot be added.
// - Members written for information (typeLetter, count, storedCount, flag,
//   units) are checked for their type and not applied.
// - An unknown key, a value of the wrong type, a word not in its list or a
//   value out of range is refused with its JSON path and the window's message
//   for it; then nothing is applied.

#include "reports/MemoryLayout.h"
#include "shared/AppState.h"
#include "shared/Outcome.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace cs {

constexpr int DocumentVersion = 1;

// What applying a document gave: the new image, or the refusal (its message
// prefixed by the JSON path, "pagers[2].address: 地址码应为7位数字！"; the words
// a list takes in `detail`).
struct AppliedDocument {
    Outcome outcome;
    QString path; // "pagers[2].address"; empty for the whole document
    Buffer image{};
};

// Applies the document text (UTF-8 JSON) onto `base`.
AppliedDocument applyDocument(const QByteArray& json, const Buffer& base);

// The JSON Schema of the document format.
QByteArray documentSchema();

} // namespace cs
