// Chooses the board's language for the page and its program, before either shows
// anything: the page's ?lang= (a classroom's choice), else the browser's languages
// in their order; English when the board speaks none of them. It puts the page's
// own texts in that language, sets the page's lang and dir, and tells the loader
// the language (handed to the program as QUILLMERE_LANGUAGE) and the fonts its
// letters need beside the board's Latin ones.
"use strict";
(() => {
    const rightToLeft = ["ar"];
    const fonts = {
        ar: ["fonts/NotoSansArabicUI-Regular.ttf", "fonts/NotoSansArabicUI-Bold.ttf"],
        am: ["fonts/AbyssinicaSIL-Regular.ttf"],
    };
    // The texts that index.html writes in English, by their data-text names.
    const texts = {
        fr: {
            board: "Quillmere, un jeu de géographie sur les pays d’Afrique",
            loading: "Quillmere se charge…",
            unsupported: "Quillmere ne peut pas fonctionner dans ce navigateur : il a besoin de WebAssembly et de WebGL.",
            browsers: "Ouvre cette page dans un Chrome, Edge, Firefox ou Safari récent, avec l’accélération matérielle permise.",
            stopped: "Quillmere s’est arrêté :",
            "start-again": "Recommencer",
            ended: "Quillmere est terminé.",
            "play-again": "Rejouer",
        },
        pt: {
            board: "Quillmere, um jogo do mapa dos países de África",
            loading: "O Quillmere está a carregar…",
            unsupported: "O Quillmere não funciona neste navegador: precisa de WebAssembly e de WebGL.",
            browsers: "Abre esta página num Chrome, Edge, Firefox ou Safari recente, com a aceleração por hardware permitida.",
            stopped: "O Quillmere parou:",
            "start-again": "Começar de novo",
            ended: "O Quillmere terminou.",
            "play-again": "Jogar de novo",
        },
        ar: {
            board: "Quillmere، لعبة خريطة لبلدان أفريقيا",
            loading: "جارٍ تحميل Quillmere…",
            unsupported: "لا يعمل Quillmere في هذا المتصفح: فهو يحتاج إلى WebAssembly وWebGL.",
            browsers: "افتح هذه الصفحة في إصدار حديث من Chrome أو Edge أو Firefox أو Safari، مع السماح بتسريع الأجهزة.",
            stopped: "توقف Quillmere:",
            "start-again": "ابدأ من جديد",
            ended: "انتهى Quillmere.",
            "play-again": "العب مرة أخرى",
        },
        sw: {
            board: "Quillmere, mchezo wa ramani wa nchi za Afrika",
            loading: "Quillmere inapakia…",
            unsupported: "Quillmere haiwezi kufanya kazi katika kivinjari hiki: inahitaji WebAssembly na WebGL.",
            browsers: "Fungua ukurasa huu katika Chrome, Edge, Firefox au Safari ya karibuni, ukiruhusu uharakishaji wa maunzi.",
            stopped: "Quillmere imesimama:",
            "start-again": "Anza tena",
            ended: "Quillmere imekwisha.",
            "play-again": "Cheza tena",
        },
        am: {
            board: "Quillmere፣ የአፍሪካ አገሮች የካርታ ጨዋታ",
            loading: "Quillmere እየተጫነ ነው…",
            unsupported: "Quillmere በዚህ አሳሽ ውስጥ መሥራት አይችልም፦ WebAssembly እና WebGL ያስፈልጉታል።",
            browsers: "ይህን ገጽ በአዲስ Chrome፣ Edge፣ Firefox ወይም Safari ውስጥ የሃርድዌር ማፋጠን ተፈቅዶ ክፈት።",
            stopped: "Quillmere ቆሟል፦",
            "start-again": "እንደገና ጀምር",
            ended: "Quillmere አብቅቷል።",
            "play-again": "እንደገና ተጫወት",
        },
    };
    const spoken = ["en", ...Object.keys(texts)];
    const ofTag = tag => {
        const language = String(tag || "").split(/[-_]/)[0].toLowerCase();
        return spoken.includes(language) ? language : null;
    };
    const preferred = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
    const code = ofTag(new URLSearchParams(location.search).get("lang"))
        || preferred.map(ofTag).find(Boolean) || "en";

    document.documentElement.lang = code;
    document.documentElement.dir = rightToLeft.includes(code) ? "rtl" : "ltr";
    const own = texts[code] || {};
    for (const element of document.querySelectorAll("[data-text]")) {
        const text = own[element.dataset.text];
        if (text === undefined)
            continue;
        if (element.hasAttribute("aria-label"))
            element.setAttribute("aria-label", text);
        else
            element.textContent = text;
    }
    globalThis.quillmereLanguage = { code, fonts: fonts[code] || [] };
})();
