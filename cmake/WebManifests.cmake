# The web app's manifest in each language the board speaks, its description there,
# for each board: the page links the one of its language and board, whose start
# keeps both once the page is installed as an app (quillmere-<code>.webmanifest for
# the 48-country board, quillmere-<code>-today.webmanifest for Africa today, from
# outside/web/page/quillmere.webmanifest.in).
set(QUILLMERE_WEB_MANIFEST_LANGUAGES en fr pt ar sw am)
set(QUILLMERE_WEB_MANIFEST_RIGHT_TO_LEFT ar)
set(QUILLMERE_WEB_DESCRIPTION_en "A map quiz of the countries of Africa")
set(QUILLMERE_WEB_DESCRIPTION_fr "Un jeu de géographie sur les pays d’Afrique")
set(QUILLMERE_WEB_DESCRIPTION_pt "Um jogo do mapa dos países de África")
set(QUILLMERE_WEB_DESCRIPTION_ar "لعبة خريطة لبلدان أفريقيا")
set(QUILLMERE_WEB_DESCRIPTION_sw "Mchezo wa ramani wa nchi za Afrika")
set(QUILLMERE_WEB_DESCRIPTION_am "የአፍሪካ አገሮች የካርታ ጨዋታ")
# The board of Africa today's installed app, named as the desktop entry's action names it.
set(QUILLMERE_WEB_TODAY_NAME_en "Quillmere - Africa today")
set(QUILLMERE_WEB_TODAY_NAME_fr "Quillmere - L’Afrique aujourd’hui")
set(QUILLMERE_WEB_TODAY_NAME_pt "Quillmere - África hoje")
set(QUILLMERE_WEB_TODAY_NAME_ar "Quillmere - أفريقيا اليوم")
set(QUILLMERE_WEB_TODAY_NAME_sw "Quillmere - Afrika leo")
set(QUILLMERE_WEB_TODAY_NAME_am "Quillmere - አፍሪካ ዛሬ")
set(QUILLMERE_WEB_MANIFESTS)
foreach(language IN LISTS QUILLMERE_WEB_MANIFEST_LANGUAGES)
    list(APPEND QUILLMERE_WEB_MANIFESTS quillmere-${language}.webmanifest quillmere-${language}-today.webmanifest)
endforeach()
