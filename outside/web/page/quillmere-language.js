// Chooses the board's language for the page and its program, before either shows
// anything: the page's ?lang= (a classroom's choice), else the browser's languages
// in their order; English when the board speaks none of them. It puts the page's
// own texts in that language, sets the page's lang and dir, links the page's web
// app manifest in that language and for its board (whose start keeps both, once
// installed), and tells the loader the language (handed to the program as
// QUILLMERE_LANGUAGE) and the files the program reads for it: the fonts its
// letters need beside the board's Latin ones, and a teacher's country list in it.
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
            unsupported: "Quillmere ne peut pas fonctionner dans ce navigateur : il a besoin de WebAssembly et de WebGL.",
            browsers: "Ouvre cette page dans un Chrome, Edge, Firefox ou Safari récent, avec l’accélération matérielle permise.",
            stopped: "Quillmere s’est arrêté :",
            "start-again": "Recommencer",
            ended: "Quillmere est terminé.",
            "play-again": "Rejouer",
            "start-sound": "Lancer le son",
            lost: "Cet appareil a repris la mémoire avec laquelle Quillmere dessine le plateau.",
            words: "Fais glisser chaque nom de pays à sa place sur la carte. Avec un lecteur d’écran : choisis un nom dans la liste des pays pour le prendre, déplace son point de dépôt sur la carte avec les flèches, Maj pour de grands pas, et dépose-le avec Entrée ; Échap le remet dans la liste. Ctrl avec une flèche déplace le point de dépôt jusqu’au pays suivant dans cette direction.",
            countries: "Pays",
            map: "Carte de l’Afrique",
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
            "start-sound": "Ligar o som",
            lost: "Este aparelho retirou a memória com que o Quillmere desenha o tabuleiro.",
            words: "Arrasta cada nome de país para o seu lugar no mapa. Com um leitor de ecrã: escolhe um nome na lista de países para pegar nele, move o seu ponto de destino no mapa com as setas, Shift para passos grandes, e larga-o com Enter; Escape devolve-o à lista. Ctrl com uma seta leva o ponto de destino ao país seguinte nessa direção.",
            countries: "Países",
            map: "Mapa de África",
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
            "start-sound": "شغّل الصوت",
            lost: "استعاد هذا الجهاز الذاكرة التي يرسم بها Quillmere اللوحة.",
            words: "اسحب اسم كل بلد إلى مكانه الصحيح على الخريطة. باستخدام قارئ الشاشة: اختر اسمًا من قائمة البلدان لالتقاطه، وحرّك نقطة إسقاطه على الخريطة بمفاتيح الأسهم، مع Shift لخطوات كبيرة، وأسقطه بمفتاح Enter؛ ويعيده Escape إلى القائمة. يَنقل Ctrl مع مفتاح سهم نقطةَ الإسقاط إلى البلد التالي في ذلك الاتجاه.",
            countries: "البلدان",
            map: "خريطة أفريقيا",
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
            "start-sound": "Washa sauti",
            lost: "Kifaa hiki kimechukua tena kumbukumbu ambayo Quillmere huchora nayo ubao.",
            words: "Buruta kila jina la nchi hadi mahali pake kwenye ramani. Kwa kisoma skrini: chagua jina katika orodha ya nchi ili kulichukua, sogeza alama yake ya kudondoshea juu ya ramani kwa vitufe vya mishale, Shift kwa hatua kubwa, na ulidondoshe kwa Enter; Escape hulirudisha. Ctrl pamoja na kitufe cha mshale hupeleka alama ya kudondoshea kwenye nchi inayofuata upande huo.",
            countries: "Nchi",
            map: "Ramani ya Afrika",
        },
        am: {
            board: "Quillmere፣ የአፍሪካ አገሮች የካርታ ጨዋታ",
            loading: "Quillmere እየተጫነ ነው…",
            unsupported: "Quillmere በዚህ አሳሽ ውስጥ መሥራት አይችልም፦ WebAssembly እና WebGL ያስፈልጉታል።",
            browsers: "ይህን ገጽ በአዲስ Chrome፣ Edge፣ Firefox ወይም Safari ውስጥ የሃርድዌር ማፋጠን ተፈቅዶ ይክፈቱ።",
            stopped: "Quillmere ቆሟል፦",
            "start-again": "እንደገና ይጀምሩ",
            ended: "Quillmere አብቅቷል።",
            "play-again": "እንደገና ይጫወቱ",
            "start-sound": "ድምፁን ያስጀምሩ",
            lost: "ይህ መሣሪያ Quillmere ሰሌዳውን የሚስልበትን ማህደረ ትውስታ መልሶ ወስዷል።",
            words: "የእያንዳንዱን አገር ስም በካርታው ላይ ወዳለው ትክክለኛ ቦታው ይጎትቱ። በስክሪን አንባቢ፦ ለማንሳት ከአገሮች ዝርዝር ስም ይምረጡ፣ የማስቀመጫ ነጥቡን በቀስት ቁልፎች በካርታው ላይ ያንቀሳቅሱ፣ ለትልቅ እርምጃ Shift፣ በEnter ያስቀምጡት፤ Escape ወደ ዝርዝሩ ይመልሰዋል። Ctrl ከቀስት ቁልፍ ጋር ማስቀመጫ ነጥቡን በዚያ አቅጣጫ ወዳለው ቀጣይ አገር ይወስዳል።",
            countries: "አገሮች",
            map: "የአፍሪካ ካርታ",
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
    // Linked here only, so that no browser reads another language's manifest first.
    // The board of Africa today (?board=today, as the program reads it) has its own.
    const board = String(new URLSearchParams(location.search).get("board") || "").toLowerCase() === "today"
        ? "-today" : "";
    const manifest = Object.assign(document.createElement("link"), { rel: "manifest",
                                                                     href: `quillmere-${code}${board}.webmanifest` });
    document.head.appendChild(manifest);
    // items.txt is the English board's own, which the program folder always holds.
    const countryList = code === "en" ? [] : [`items.${code}.txt`];
    globalThis.quillmereLanguage = { code, files: [...(fonts[code] || []), ...countryList] };
})();
