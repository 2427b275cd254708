// The board in each language, drawn with its real faces: every name and text fits
// its box, the Arabic panel reads from the right while the map stays as it is, no
// letter lacks its glyph, and the language is chosen as a classroom or the system
// says.
#include "ReadyBoard.h"
#include "ShownWindow.h"

#include "app/startup/BoardChoice.h"
#include "app/startup/LanguageChoice.h"
#include "app/window/BoardFonts.h"
#include "app/window/Form1.h"
#include "app/window/FittedFont.h"
#include "app/window/LabelText.h"
#include "outside/qt/QtPlatform.h"
#include "quiz/BoardRegistry.h"
#include "quiz/BoardTables.h"
#include "quiz/DropRules.h"

#include <QAccessible>
#include <QGlyphRun>
#include <QPainter>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <QtTest>

using namespace quiz;
using namespace Qt::StringLiterals;
using testing::ReadyBoard;

namespace {

void addLanguages(bool withEnglish)
{
    QTest::addColumn<QString>("language");
    for (const QString &code : BoardLanguage::spoken().sliced(withEnglish ? 0 : 1))
        QTest::newRow(qPrintable(code)) << code;
}

// Every language on every registered board.
void addLanguagesOnBoards(bool withEnglish)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("board");
    for (const RegisteredBoard &board : registeredBoards()) {
        for (const QString &code : BoardLanguage::spoken().sliced(withEnglish ? 0 : 1))
            QTest::addRow("%s %s", qPrintable(board.name.toString()), qPrintable(code)) << code << board.name.toString();
    }
}

struct Box {
    QString what;
    QRectF rect;
    QFont font;
    Qt::Alignment alignment;
};

// Every box of the board that shows a name or a text, with its own font, on `board`.
QList<std::pair<Box, QString>> textsOf(const Board &board)
{
    QList<std::pair<Box, QString>> texts;
    for (int k = 0; k < board.countryCount(); ++k) {
        const QString name = board.labels(k).caption;
        texts.append({{QStringLiteral("list %1").arg(k), board.listEntryArea(k).toPixels(),
                       app::boardFont(app::kArial, kLargeTextPixels, true), Qt::AlignLeft}, name});
        texts.append({{QStringLiteral("slot %1").arg(k), board.definition().nameSlots[std::size_t(k)].toPixels(),
                       app::boardFont(app::kArialNarrow, kSmallTextPixels, true), Qt::AlignHCenter}, name});
    }
    for (const Heading *heading : {&kInstructionsHeading, &kInstruction, &kCountriesHeading})
        texts.append({{QString::fromLatin1(heading->text.english), board.inPanel(heading->rect).toPixels(),
                       app::boardFont(app::kArial, kSmallTextPixels, heading->bold), Qt::AlignLeft},
                      heading->text.toString()});
    return texts;
}

// The leftmost and rightmost columns of `area` that hold white text.
std::pair<int, int> whiteColumns(const QImage &image, const QRect &area)
{
    int first = INT_MAX;
    int last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (QColor(image.pixel(x, y)).lightness() > 230) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { app::speak(BoardLanguage()); }

    // A classroom's choice first, the command line before the environment; else
    // the system's languages; English when the board speaks none of them.
    void languageIsChosenOnceAsTheClassroomOrTheSystemSays()
    {
        const QStringList system{QStringLiteral("de-DE"), QStringLiteral("sw-TZ")};
        const QString program = QStringLiteral("quillmere");
        qunsetenv("QUILLMERE_LANGUAGE");
        QCOMPARE(app::chooseLanguage({program}, system).code(), QStringLiteral("sw"));
        QVERIFY(app::chooseLanguage({program}, {QStringLiteral("de")}).isEnglish());
        qputenv("QUILLMERE_LANGUAGE", "pt_BR");
        QCOMPARE(app::chooseLanguage({program}, system).code(), QStringLiteral("pt"));
        QCOMPARE(app::chooseLanguage({program, QStringLiteral("--language"), QStringLiteral("ar")}, system).code(),
                 QStringLiteral("ar"));
        QVERIFY(app::chooseLanguage({program, QStringLiteral("--language=en")}, system).isEnglish());
        qputenv("QUILLMERE_LANGUAGE", "klingon");
        QCOMPARE(app::chooseLanguage({program}, system).code(), QStringLiteral("sw"));
        qunsetenv("QUILLMERE_LANGUAGE");
    }

    // The completion box speaks the language, its button too (Qt has no word for it
    // in Swahili or Amharic), and reads from the right in Arabic; a failure's report
    // box keeps its English button and layout for the screenshot sent to support.
    void reportBoxStaysEnglishWhereTheCompletionBoxDoesNot()
    {
        outside::QtMessageBox realBoxes;
        const auto shown = [&](const shell::BoxRequest &request) {
            std::pair<QString, Qt::LayoutDirection> seen;
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                seen = {box->button(QMessageBox::Ok)->text(), box->layoutDirection()};
                QTest::keyClick(box, Qt::Key_Return);
            });
            realBoxes.show(request);
            return seen;
        };
        for (const QString &code : BoardLanguage::spoken()) {
            const BoardLanguage language(code);
            app::speak(language);
            const auto [button, direction] = shown(completedMapBox());
            QCOMPARE(direction, language.direction());
            QCOMPARE(button == QStringLiteral("OK"), QStringList({u"en"_s, u"fr"_s, u"pt"_s}).contains(code));
            const auto report = shown({QStringLiteral("text"), QStringLiteral("Application Error"),
                                       shell::BoxRequest::Icon::Warning});
            QCOMPARE(report, std::pair(QStringLiteral("OK"), Qt::LeftToRight));
        }
    }

    // A button's actions, their names and what they do, are Qt's own texts, which a
    // screen reader reads in the language too (Qt has no Swahili or Amharic).
    void buttonsActionsAreReadInTheLanguage_data() { addLanguages(false); }
    void buttonsActionsAreReadInTheLanguage()
    {
        QFETCH(QString, language);
        QStringList texts[2]; // in English, then in the language
        for (const BoardLanguage &spoken : {BoardLanguage(), BoardLanguage(language)}) {
            app::speak(spoken);
            testing::ShownWindow shown(nullptr, nullptr, spoken);
            QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(&shown.form.pushButton1())->actionInterface();
            for (const QString &action : actions->actionNames())
                texts[!spoken.isEnglish()] << actions->localizedActionName(action) << actions->localizedActionDescription(action);
        }
        for (qsizetype i = 0; i < texts[0].size(); ++i)
            QVERIFY2(texts[1].value(i) != texts[0][i], qPrintable(texts[0][i]));
    }

    // Each catalogue's every text is finished; French sets a no-break space before : ! ? ;
    // and %, Portuguese, Swahili and Amharic no space before a colon, and Arabic
    // writes the % its Western digits go with.
    void everyTextIsTranslatedAndPunctuatedAsItsLanguageWrites_data() { addLanguages(false); }
    void everyTextIsTranslatedAndPunctuatedAsItsLanguageWrites()
    {
        QFETCH(QString, language);
        QFile catalogue(QStringLiteral("%1/assets/translations/quillmere_%2.ts")
                            .arg(qEnvironmentVariable("QUILLMERE_SOURCE_DIR"), language));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&catalogue);
        QStringList sources;
        while (xml.readNext() != QXmlStreamReader::EndDocument) {
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            if (xml.isStartElement() && xml.name() == u"source")
                sources << xml.readElementText();
            if (!xml.isStartElement() || xml.name() != u"translation")
                continue;
            QVERIFY2(!xml.attributes().hasAttribute(u"type"_s), qPrintable(sources.last()));
            const QString text = xml.readElementText();
            static const QRegularExpression french(uR"([^\x{a0}\x{202f}]([:!?;]|%(?!\d)))"_s);
            static const QRegularExpression spaceBeforeColon(uR"(\s[:\x{1361}\x{1366}])"_s);
            if (language == u"fr")
                QVERIFY2(!french.match(text).hasMatch(), qPrintable(text));
            if (language == u"pt" || language == u"sw" || language == u"am")
                QVERIFY2(!spaceBeforeColon.match(text).hasMatch(), qPrintable(text));
            QVERIFY2(!text.contains(u'\u066a'), qPrintable(text));
        }
    }

    // Each name in its list entry and in its slot (placed, so bold), and each
    // heading: the drawn text's advance within its box's width and its lines within
    // its height. English needs no fitting on the board made for it; the others'
    // fitted names are listed.
    void everyNameAndTextFitsItsBox_data() { addLanguagesOnBoards(true); }
    void everyNameAndTextFitsItsBox()
    {
        QFETCH(QString, language);
        QFETCH(QString, board);
        app::speak(BoardLanguage(language));
        ReadyBoard b{BoardLanguage(language), app::loadBoard(board)};
        QImage scratch(QSize(999, 706), QImage::Format_RGB32);
        QPainter painter(&scratch);
        painter.setLayoutDirection(b.board.language().direction());
        QStringList fitted;
        for (const auto &[box, text] : textsOf(b.board)) {
            app::LabelText label(box.font, box.alignment, Qt::white);
            label.draw(painter, box.rect, text, box.font.bold());
            const QFont drawn = label.drawnFont();
            const QRectF needed = QFontMetricsF(drawn).boundingRect(
                QRectF(QPointF(), QSizeF(box.rect.width(), 1000)), int(box.alignment) | Qt::TextWordWrap, text);
            QVERIFY2(needed.width() <= box.rect.width(), qPrintable(box.what + u' ' + text));
            QTextOption option(box.alignment);
            option.setTextDirection(painter.layoutDirection());
            QVERIFY2(app::measureText(text, drawn, option, box.rect.width()).height <= box.rect.height(),
                     qPrintable(box.what + u' ' + text));
            QVERIFY(drawn.pixelSize() >= app::kSmallestTextPixels);
            if (drawn.family() != box.font.family() || drawn.pixelSize() != box.font.pixelSize())
                fitted << QStringLiteral("%1 \"%2\": %3 %4 px").arg(box.what, text, drawn.family()).arg(drawn.pixelSize());
        }
        if (b.board.language().isEnglish() && b.board.definition().readsCountryLists)
            QCOMPARE(fitted, QStringList());
        for (const QString &line : fitted)
            qInfo("%s fitted: %s", qPrintable(language), qPrintable(line));
    }

    void noLetterLacksItsGlyph_data() { addLanguagesOnBoards(false); }
    void noLetterLacksItsGlyph()
    {
        QFETCH(QString, language);
        QFETCH(QString, board);
        app::speak(BoardLanguage(language));
        QStringList texts = app::loadBoard(board)->builtInNames(BoardLanguage(language));
        for (const Heading *heading : {&kInstructionsHeading, &kInstruction, &kCountriesHeading})
            texts << heading->text.toString();
        texts << QCoreApplication::translate("Board", "CONGRATULATIONS! THE MAP IS COMPLETE!");
        for (const QFont &font : {app::boardFont(app::kArial, kLargeTextPixels, true),
                                  app::boardFont(app::kArialNarrow, kSmallTextPixels, false)}) {
            for (const QString &text : texts) {
                QTextLayout layout(text, font);
                layout.beginLayout();
                layout.createLine();
                layout.endLayout();
                for (const QGlyphRun &run : layout.glyphRuns()) {
                    const QString face = run.rawFont().familyName();
                    QVERIFY2(!run.glyphIndexes().contains(0) && font.families().contains(face),
                             qPrintable(text + QStringLiteral(" in ") + face));
                }
            }
        }
    }

    // On the offscreen window: the map is a picture and keeps its place; the panel's
    // headings, list columns and buttons stand mirrored, the texts against the right
    // edge of their boxes.
    void arabicMirrorsThePanelAndNotTheMap()
    {
        const QImage english = testing::ShownWindow().fullPaint();
        app::speak(BoardLanguage(u"ar"));
        testing::ShownWindow arabic(nullptr, nullptr, BoardLanguage(u"ar"));
        const QImage shot = arabic.fullPaint();
        const QRect map = kMapPictureRect.toPixels().toAlignedRect().intersected(shot.rect());
        QCOMPARE(shot.copy(map), english.copy(map));
        QCOMPARE(arabic.form.pushButton1().geometry(),
                 inReadingDirection(kRestartButtonRect, Qt::RightToLeft).toPixels().toRect());
        QCOMPARE(arabic.form.pushButton2().geometry(),
                 inReadingDirection(kExitButtonRect, Qt::RightToLeft).toPixels().toRect());
        for (const TwipRect &designed : {kInstructionsHeading.rect, listEntryRect(0), listEntryRect(30)}) {
            const QRect mirrored = inReadingDirection(designed, Qt::RightToLeft).toPixels().toAlignedRect();
            const auto [first, last] = whiteColumns(shot, mirrored.adjusted(0, 2, 0, -6));
            QVERIFY2(last > mirrored.right() - 6 && first > mirrored.left(), qPrintable(QString::number(designed.top)));
            const QRect unmirrored = designed.toPixels().toAlignedRect().adjusted(0, 2, 0, -6);
            QCOMPARE(whiteColumns(shot, unmirrored.intersected(QRect(unmirrored.left(), 0, 16, 706))).second, -1);
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
