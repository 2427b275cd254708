# The web app's manifest in each language the board speaks, its description there:
# the page links the one of its language, whose start keeps that language once the
# page is installed as an app (quillmere-<code>.webmanifest, from
# outside/web/page/quillmere.webmanifest.in).
set(QUILLMERE_WEB_MANIFEST_LANGUAGES en fr pt ar sw am)
set(QUILLMERE_WEB_MANIFEST_RIGHT_TO_LEFT ar)
set(QUILLMERE_WEB_DESCRIPTION_en "A map quiz of the countries of Africa")
set(QUILLMERE_WEB_DESCRIPTION_fr "Un jeu de géographie sur les pays d’Afrique")
set(QUILLMERE_WEB_DESCRIPTION_pt "Um jogo do mapa dos países de África")
set(QUILLMERE_WEB_DESCRIPTION_ar "لعبة خريطة لبلدان أفريقيا")
set(QUILLMERE_WEB_DESCRIPTION_sw "Mchezo wa ramani wa nchi za Afrika")
set(QUILLMERE_WEB_DESCRIPTION_am "የአፍሪካ አገሮች የካርታ ጨዋታ")
set(QUILLMERE_WEB_MANIFESTS ${QUILLMERE_WEB_MANIFEST_LANGUAGES})
list(TRANSFORM QUILLMERE_WEB_MANIFESTS REPLACE "(.+)" "quillmere-\\1.webmanifest")
