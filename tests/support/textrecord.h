#pragma once
// Looking texts up in a Dc's text record by what they say.
#include "platform/draw/dc.h"

#include <QString>

#include <map>
#include <vector>

namespace testing_support {

// The last record of each text.
std::map<QString, const platform::DcText*> TextsByContent(const platform::Dc& dc);
// Where `text` was written; a test failure and (-1, -1) when it was not.
platform::POINT TextAt(const platform::Dc& dc, const QString& text);
// The first record of `text` in `texts`; null when there is none.
const platform::DcText* FindText(const std::vector<platform::DcText>& texts, const QString& text);
// Every record of `text`, in the order written.
std::vector<platform::DcText> TextsSaying(const platform::Dc& dc, const QString& text);

}  // namespace testing_support
