// Any description, procedure text and support address: the report keeps its fixed
// frame around them byte for byte, and the text shown on screen breaks a line at
// each line end of the report and nowhere else.
#include "FuzzCheck.h"

#include "outside/qt/QtPlatform.h"
#include "shell/ErrorTrap.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdint>

namespace {

// Any UTF-16, unpaired surrogates and NULs included.
QString anyText(FuzzedDataProvider &input)
{
    const std::string bytes = input.ConsumeRandomLengthString(256);
    return QString(reinterpret_cast<const QChar *>(bytes.data()), qsizetype(bytes.size() / 2));
}

qsizetype lineEnds(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        count += text[i] == u'\r' || text[i] == u'\n';
    }
    return count;
}

QString withoutLineEnds(QString text)
{
    return text.remove(u'\r').remove(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int line = input.ConsumeIntegralInRange<int>(0, INT_MAX);
    const QString description = anyText(input);
    const QString procedure = anyText(input);
    const QString address = anyText(input);

    const QString report = shell::errorReportText(description, procedure, line, address);
    const QString head = description + QStringLiteral("\r\nin Quillmere2021/08/31.") + procedure + QStringLiteral(" at line ");
    const QString tail = QStringLiteral("\r\rPlease email screenshot of this message to ") + address;
    FUZZ_CHECK(report.startsWith(head));
    FUZZ_CHECK(report.endsWith(tail));
    FUZZ_CHECK(report.size() == head.size() + QString::number(line).size() + tail.size());
    FUZZ_CHECK(QStringView(report).sliced(head.size(), report.size() - head.size() - tail.size()) == QString::number(line));

    const QString shown = outside::boxTextForDisplay(report);
    FUZZ_CHECK(!shown.contains(u'\r'));
    FUZZ_CHECK(shown.count(u'\n') == lineEnds(report));
    FUZZ_CHECK(withoutLineEnds(shown) == withoutLineEnds(report));
    return 0;
}
