#include "support/textrecord.h"

#include <gtest/gtest.h>

namespace testing_support {

std::map<QString, const platform::DcText*> TextsByContent(const platform::Dc& dc)
{
    std::map<QString, const platform::DcText*> out;
    for (const platform::DcText& t : dc.TextRecord())
        out[t.text] = &t;
    return out;
}

platform::POINT TextAt(const platform::Dc& dc, const QString& text)
{
    const auto texts = TextsByContent(dc);
    const auto it = texts.find(text);
    if (it == texts.end()) {
        ADD_FAILURE() << "no text " << text.toStdString();
        return {-1, -1};
    }
    return it->second->at;
}

const platform::DcText* FindText(const std::vector<platform::DcText>& texts, const QString& text)
{
    for (const platform::DcText& t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

std::vector<platform::DcText> TextsSaying(const platform::Dc& dc, const QString& text)
{
    std::vector<platform::DcText> out;
    for (const platform::DcText& t : dc.TextRecord())
        if (t.text == text)
            out.push_back(t);
    return out;
}

}  // namespace testing_support
