// Any bytes as items.txt, cut at the size limit or whole: decoding, reading line by
// line and splitting at commas never crash or loop, the lines and their ends give
// back the whole decoded text, and reading past the end fails as a trapped
// statement expects.
#include "FuzzCheck.h"

#include "quiz/CountryListFile.h"
#include "shell/Failure.h"

#include <cstdint>

namespace {

bool failsAsTrapped(auto &&statement)
{
    try {
        statement();
    } catch (const shell::Failure &) {
        return true;
    }
    return false;
}

void checkFields(const QString &line)
{
    const quiz::CommaFields fields(line);
    if (line.isEmpty()) {
        FUZZ_CHECK(fields.count() == 0);
        FUZZ_CHECK(failsAsTrapped([&] { (void)fields.first(); }));
        return;
    }
    FUZZ_CHECK(fields.count() == line.count(u',') + 1);
    const QString first = fields.first();
    FUZZ_CHECK(!first.contains(u','));
    FUZZ_CHECK(line.startsWith(first));
    FUZZ_CHECK(first.size() == line.size() || line[first.size()] == u',');
}

// The line end that follows `at` in `text`: CR LF, a lone CR, a lone LF, or none at the end.
qsizetype lineEndLength(const QString &text, qsizetype at)
{
    if (at == text.size())
        return 0;
    FUZZ_CHECK(text[at] == u'\r' || text[at] == u'\n');
    return text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first byte says whether the file was cut at the size limit, so that a cut
    // comes at any length, as the real limit falls on an even one; the rest is the file.
    if (size == 0)
        return 0;
    const bool cut = (data[0] & 1) != 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString text = quiz::decodeCountryList(bytes, cut);
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        FUZZ_CHECK(text == QString::fromLatin1(bytes));
    FUZZ_CHECK(!cut || text.isEmpty() || !text.back().isHighSurrogate()); // a cut splits no surrogate pair

    quiz::CountryListFile file;
    file.load(bytes, cut);
    FUZZ_CHECK(file.wasCut() == cut);
    qsizetype read = 0;
    qsizetype lines = 0;
    while (!file.atEnd()) {
        const QString line = file.readLine();
        FUZZ_CHECK(++lines <= text.size()); // every line but an empty last one uses up text
        FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'));
        FUZZ_CHECK(QStringView(text).sliced(read, line.size()) == line);
        read += line.size();
        read += lineEndLength(text, read);
        checkFields(line);
    }
    FUZZ_CHECK(read == text.size());
    FUZZ_CHECK(failsAsTrapped([&] { (void)file.readLine(); }));
    return 0;
}
