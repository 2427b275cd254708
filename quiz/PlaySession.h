// One game in play: the board with the rules it is played by, and the one pick
// that the pointer or the keys may hold at a time. The pointer and the keys are two
// ways into it; each pick belongs to the input that made it, so one input can never
// end, drop or put back the other's. Whatever happens is told by the signals below,
// in the order the player meets it, to whoever paints, speaks or reads the board.
#pragma once

#include "quiz/DragSession.h"
#include "quiz/KeyboardPlay.h"

#include <QObject>

#include <memory>
#include <optional>

namespace quiz {

enum class Input { Pointer, Keys };
enum class Steering { Steps, ToCountry };

class PlaySession : public QObject
{
    Q_OBJECT

public:
    PlaySession(shell::MessageBox &boxes, shell::SoundPlayer &sound, shell::ProgramFolder folder,
                const shell::Collation &collation, BoardLanguage language = {},
                std::shared_ptr<const BoardDefinition> definition = BoardDefinition::tables());
    ~PlaySession() override;

    Board &board() { return m_board; }
    const Board &board() const { return m_board; }
    // What start-up sets up, with the boxes below.
    Quiz &quiz() { return m_quiz; }
    const Quiz &quiz() const { return m_quiz; }
    // The boxes of play: the board is told changed before any of them shows.
    shell::MessageBox &boxes();

    // The name picked up, and by which input.
    std::optional<int> picked() const { return m_pickedBy ? m_drag.source() : std::nullopt; }
    std::optional<Input> pickedBy() const { return m_pickedBy; }
    // The name the keyboard's drop point carries.
    std::optional<int> carried() const { return m_pickedBy == Input::Keys ? picked() : std::nullopt; }
    int focusedEntry() const { return m_keys.focusedEntry(); }
    TwipPoint dropPoint() const { return m_keys.dropPoint(); }

    // The pointer, in board coordinates. A press puts back a name the keys carry.
    bool press(TwipPoint p);
    void move(TwipPoint p);
    // `insideWindow` is false when the pointer was released off the window.
    DropOutcome release(TwipPoint p, bool insideWindow);

    // The keys, and the actions of assistive technology.
    void moveFocus(FocusMove move, QChar letter = {});
    // Only a name still in the list can be picked up, and only while nothing is picked.
    bool pickUp(int entry);
    bool pickUpFocused() { return pickUp(focusedEntry()); }
    void steer(int across, int down, bool bigSteps);
    // Takes the drop point on to the next country that way.
    void steerToCountry(int across, int down);
    const CountryPlaces &places() const { return m_keys.places(); }
    DropOutcome dropAtDropPoint();
    void putBack();

    // The player asked to hear how to play.
    void askForInstructions() { emit instructionsAsked(); }
    // A key that has nothing to do now.
    void useNoKey() { emit keyUnused(); }

    // The window lost the mouse and keys: whatever is picked goes back, undropped.
    void abandon();
    // Restart: the keyboard's focus goes back to the first name.
    void newGame();
    // Names placed before the page the game is played in was reloaded, placed again
    // without a drop (see quiz::placeAgain).
    void placeAgain(const QList<int> &entries);

signals:
    // picked() or pickedBy() changed.
    void pickChanged();
    // focusedEntry() or dropPoint() changed.
    void keyboardChanged();
    // Names left or came back to the list, or the map: also just before a box shows,
    // so that the board stands as it is behind it.
    void boardChanged();
    // A drop was judged, or taken by nothing: told once, as the judge found it, before
    // whatever follows (the completed map's box). `at` is where the name fell.
    void dropped(int entry, quiz::DropOutcome outcome, quiz::Input by, quiz::TwipPoint at);
    void wentBack(int entry);
    void newGameBegun();
    void instructionsAsked();
    // Also when it could go no further: `to` is then `from`.
    void dropPointSteered(quiz::TwipPoint from, quiz::TwipPoint to, quiz::Steering by);
    // A key that moves the focus found nowhere to move it.
    void focusStayed(quiz::FocusMove move, QChar letter);
    void keyUnused();
    // A box is about to show, after whatever was said before it.
    void boxShowing();

private:
    class NoticedBoxes;

    DropOutcome drop(Input by, TwipPoint p, bool insideWindow);
    void endPick();

    Board m_board;
    std::unique_ptr<NoticedBoxes> m_boxes;
    Quiz m_quiz;
    DragSession m_drag;
    KeyboardPlay m_keys;
    std::optional<Input> m_pickedBy;
};

} // namespace quiz
