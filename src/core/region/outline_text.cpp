#include "region/outline_text.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace pelterra {

namespace {

void appendValue(std::string& out, int value) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
    out.push_back(',');
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string WorkCountsText(std::span<const int> counts) {
    std::string text;
    text.reserve(counts.size() * 4);
    for (int n : counts) appendValue(text, n);
    return text;
}

std::string WorkPointsText(std::span<const Point> points) {
    std::string text;
    text.reserve(points.size() * 8);
    for (const Point& p : points) {
        appendValue(text, p.x);
        appendValue(text, p.y);
    }
    return text;
}

OutlineTexts OutlineTextsOf(std::span<const Outline> outlines) {
    OutlineTexts texts;
    for (const Outline& outline : outlines) {
        appendValue(texts.counts, static_cast<int>(outline.size()));
        texts.points += WorkPointsText(outline);
    }
    return texts;
}

bool WorkValueReader::next(int& value) {
    while (m_at < m_text.size() && isBlank(m_text[m_at])) ++m_at;
    if (m_at == m_text.size()) return false;
    const char* first = m_text.data() + m_at;
    const char* last = m_text.data() + m_text.size();
    if (*first == '+') ++first;  // a plus sign is allowed, as Input# reads it
    long long read = 0;
    const auto [end, ec] = std::from_chars(first, last, read);
    if (ec != std::errc() || read < std::numeric_limits<int>::min() || read > std::numeric_limits<int>::max()) {
        m_at = m_text.size();  // not a value: nothing further is read
        m_failed = true;
        return false;
    }
    m_at = static_cast<std::size_t>(end - m_text.data());
    while (m_at < m_text.size() && isBlank(m_text[m_at])) ++m_at;
    if (m_at < m_text.size() && m_text[m_at] == ',') ++m_at;
    value = static_cast<int>(read);
    return true;
}

Result<std::vector<Outline>> ParseOutlineTexts(std::string_view counts, std::string_view points) {
    WorkValueReader countReader(counts);
    WorkValueReader pointReader(points);
    std::vector<Outline> outlines;
    int n = 0;
    while (countReader.next(n)) {
        if (n < 0)
            return Error{
                "",
                CoreMessage::wording("the outline counts hold %1, and an outline cannot have fewer than 0 points"),
                {n}};
        Outline outline;
        for (int i = 0; i < n; ++i) {
            Point p;
            if (!pointReader.next(p.x) || !pointReader.next(p.y))
                return pointReader.failed()
                           ? Error{"",
                                   CoreMessage::wording("the outline points hold something that is not a whole number")}
                           : Error{"",
                                   CoreMessage::wording(
                                       "the outline points end before the counts say they do (outline %1)"),
                                   {outlines.size() + 1}};
            outline.push_back(p);
        }
        outlines.push_back(std::move(outline));
    }
    if (countReader.failed())
        return Error{"", CoreMessage::wording("the outline counts hold something that is not a whole number")};
    if (int extra = 0; pointReader.next(extra) || pointReader.failed())
        return Error{"", CoreMessage::wording("the outline points go on after the last outline the counts describe")};
    return outlines;
}

}  // namespace pelterra
