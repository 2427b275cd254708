// The game kept while the page is reloaded (a phone's browser reloads a tab it put
// aside, or the pupil pulls it to refresh; a lost drawing starts the page again), in
// the tab's own sessionStorage, which the browser forgets with the tab: nothing is
// kept across tabs or once the page is closed. The program tells which names are
// placed whenever they change (outside/web/PageKeptGame), an empty list once a new
// game begins, and asks for them when it starts again; a page opened on another
// board or in another language starts afresh.
const key = "quillmere-game";

export function makeKeptGame(board, language) {
    const game = `${board || ""}|${language}`;
    return {
        keptGame() {
            try {
                const kept = JSON.parse(sessionStorage.getItem(key));
                return kept && kept.game === game && Array.isArray(kept.placed) ? JSON.stringify(kept.placed) : "[]";
            } catch (e) {
                return "[]";
            }
        },
        keepGame(placed) {
            // A browser that keeps nothing for the page (its storage refused) plays on unkept.
            try {
                if (JSON.parse(placed).length === 0)
                    sessionStorage.removeItem(key);
                else
                    sessionStorage.setItem(key, JSON.stringify({ game, placed: JSON.parse(placed) }));
            } catch (e) {
                return;
            }
        },
    };
}
