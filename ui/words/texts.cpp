// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/words/texts.h"

#include <QStringList>
#include <array>

namespace pintaloo {

namespace {

// Columns in the order of Language: en, ro, fr, ge, it, sp. The English and
// Romanian captions and the page picker's titles are the program's
// long-standing texts (Romanian without diacritics, English in its American
// spelling) and stay exactly so; the texts added since use proper accents.
// Tooltips name the thing; messages speak to the child ("tu" where a
// language distinguishes).
struct TextRow {
    TextId id;
    std::array<const char*, kLanguageCount> text;
};

constexpr TextRow kTexts[] = {
    {TextId::Wait, {"Wait...", "Asteapta...", "Patiente...", "Warte...", "Aspetta...", "Espera..."}},
    {TextId::PickerTitle,
     {"Select a drawing", "Alege un desen", "Sélectionner un dessin", "Wählen Sie eine Zeichnung",
      "Selezionare un disegno", "Seleccione un dibujo"}},
    {TextId::CloseWindow, {"Close me", "Inchide-ma", "Ferme-moi", "Schließ mich", "Chiudimi", "Ciérrame"}},
    {TextId::MinimiseWindow,
     {"Minimize me", "Ascunde in bara", "Réduis-moi", "Mach mich klein", "Riducimi", "Minimízame"}},
    {TextId::NewPage, {"New page", "Pagina noua", "Nouvelle page", "Neue Seite", "Pagina nuova", "Página nueva"}},
    {TextId::NewColouringPage,
     {"New coloring page", "Pagina de colorat noua", "Nouveau coloriage", "Neue Malvorlage", "Nuova pagina da colorare",
      "Nueva página para colorear"}},
    {TextId::SaveDrawing,
     {"Save drawing", "Salveaza desen", "Enregistrer le dessin", "Zeichnung speichern", "Salva il disegno",
      "Guardar el dibujo"}},
    {TextId::HelpAbout,
     {"Help/About", "Ajutor/Despre", "Aide/À propos", "Hilfe/Über Pintaloo", "Aiuto/Informazioni", "Ayuda/Acerca de"}},
    {TextId::ToolPencil, {"Pencil", "Creion", "Crayon", "Buntstift", "Matita", "Lápiz"}},
    {TextId::ToolModels,
     {"Models brush", "Penson modele", "Pinceau à motifs", "Musterpinsel", "Pennello a motivi", "Pincel de motivos"}},
    {TextId::ToolStamps,
     {"Stamp brush", "Penson stampila", "Pinceau à tampons", "Stempelpinsel", "Pennello a timbri", "Pincel de sellos"}},
    {TextId::ToolEraser, {"Eraser", "Radiera", "Gomme", "Radiergummi", "Gomma", "Goma de borrar"}},
    {TextId::ToolOil,
     {"Oil drawing", "Desen in ulei", "Peinture à l'huile", "Ölgemälde", "Pittura a olio", "Pintura al óleo"}},
    {TextId::ToolFill,
     {"Fill with color", "Umple cu culoare", "Remplir de couleur", "Mit Farbe füllen", "Riempi di colore",
      "Rellenar con color"}},
    {TextId::BrushSize,
     {"Brush size", "Dimensiune penson", "Taille du pinceau", "Pinselgröße", "Grandezza del pennello",
      "Tamaño del pincel"}},
    {TextId::SelectColour,
     {"Select the color", "Alege culoarea", "Choisir la couleur", "Farbe wählen", "Scegli il colore",
      "Elige el color"}},
    {TextId::OpenDrawing,
     {"Open a drawing", "Deschide un desen", "Ouvrir un dessin", "Zeichnung öffnen", "Apri un disegno",
      "Abrir un dibujo"}},
    {TextId::HelpLine,
     {"Pintaloo %1 · help and about", "Pintaloo %1 · ajutor și despre", "Pintaloo %1 · aide et à propos",
      "Pintaloo %1 · Hilfe und Info", "Pintaloo %1 · aiuto e informazioni", "Pintaloo %1 · ayuda y acerca de"}},
    {TextId::NoDesktop,
     {"Pintaloo needs a graphical desktop (X11 or Wayland), and none could be opened here.",
      "Pintaloo are nevoie de un desktop grafic (X11 sau Wayland) și aici nu s-a putut deschide niciunul.",
      "Pintaloo a besoin d'un bureau graphique (X11 ou Wayland), et aucun n'a pu être ouvert ici.",
      "Pintaloo braucht eine grafische Arbeitsumgebung (X11 oder Wayland), und hier ließ sich keine öffnen.",
      "Pintaloo ha bisogno di un desktop grafico (X11 o Wayland) e qui non è stato possibile aprirne uno.",
      "Pintaloo necesita un escritorio gráfico (X11 o Wayland) y aquí no se pudo abrir ninguno."}},

    {TextId::Undo, {"Undo", "Anulează", "Annuler", "Rückgängig", "Annulla", "Deshacer"}},
    {TextId::Redo, {"Redo", "Refă", "Refaire", "Wiederholen", "Ripeti", "Rehacer"}},
    {TextId::Print, {"Print", "Tipărește", "Imprimer", "Drucken", "Stampa", "Imprimir"}},
    {TextId::SoundOnOff,
     {"Sound on/off", "Sunet pornit/oprit", "Son activé/coupé", "Ton an/aus", "Suono sì/no", "Sonido sí/no"}},
    {TextId::FullScreen,
     {"Full screen", "Ecran complet", "Plein écran", "Vollbild", "Schermo intero", "Pantalla completa"}},
    {TextId::ClosePanel,
     {"Close this panel", "Închide panoul", "Fermer ce panneau", "Dieses Feld schließen", "Chiudi questo pannello",
      "Cerrar este panel"}},
    {TextId::PlayFilm,
     {"Watch it again", "Mai privește o dată", "Regarder encore", "Noch einmal ansehen", "Guardalo ancora",
      "Verlo otra vez"}},
    {TextId::SaveFilm,
     {"Save the film", "Salvează filmul", "Enregistrer le film", "Film speichern", "Salva il film",
      "Guardar la película"}},
    {TextId::StopFilm, {"Stop", "Oprește", "Arrêter", "Anhalten", "Ferma", "Parar"}},
    {TextId::MyDrawings,
     {"My drawings", "Desenele mele", "Mes dessins", "Meine Bilder", "I miei disegni", "Mis dibujos"}},
    {TextId::GalleryPlay,
     {"Show them all", "Arată-le pe toate", "Les montrer tous", "Alle zeigen", "Mostrali tutti", "Verlos todos"}},
    {TextId::GalleryBin,
     {"Put this drawing in the trash (press twice)", "Pune desenul la coș (apasă de două ori)",
      "Mettre ce dessin à la corbeille (appuyer deux fois)", "Dieses Bild in den Papierkorb (zweimal drücken)",
      "Sposta il disegno nel cestino (premi due volte)", "Mover este dibujo a la papelera (pulsa dos veces)"}},
    {TextId::GalleryReally, {"Really?", "Sigur?", "Vraiment ?", "Wirklich?", "Davvero?", "¿Seguro?"}},
    {TextId::FilmNotSavedTitle,
     {"The film was not saved", "Filmul nu a fost salvat", "Le film n'a pas été enregistré",
      "Der Film wurde nicht gespeichert", "Il film non è stato salvato", "La película no se ha guardado"}},
    {TextId::FilmNotSaved,
     {"Pintaloo could not save the film as\n%1\n\n%2\n\nPlease try another folder.",
      "Pintaloo nu a putut salva filmul ca\n%1\n\n%2\n\nÎncearcă alt dosar.",
      "Pintaloo n'a pas pu enregistrer le film sous\n%1\n\n%2\n\nEssaie un autre dossier.",
      "Pintaloo konnte den Film nicht speichern als\n%1\n\n%2\n\nVersuch es mit einem anderen Ordner.",
      "Pintaloo non è riuscito a salvare il film come\n%1\n\n%2\n\nProva un'altra cartella.",
      "Pintaloo no ha podido guardar la película como\n%1\n\n%2\n\nPrueba otra carpeta."}},
    {TextId::FilmSavedTitle,
     {"The film was saved", "Filmul a fost salvat", "Le film a été enregistré", "Der Film wurde gespeichert",
      "Il film è stato salvato", "La película se ha guardado"}},
    {TextId::FilmCutShort,
     {"There was too much to film: the film stops before the drawing is finished.",
      "A fost prea mult de filmat: filmul se oprește înainte ca desenul să fie gata.",
      "Il y avait trop à filmer : le film s'arrête avant que le dessin soit fini.",
      "Es gab zu viel zu filmen: Der Film hört auf, bevor die Zeichnung fertig ist.",
      "C'era troppo da filmare: il film si ferma prima che il disegno sia finito.",
      "Había demasiado que filmar: la película se detiene antes de que el dibujo esté terminado."}},

    {TextId::OpenFailedTitle,
     {"The picture was not opened", "Desenul nu a fost deschis", "L'image n'a pas été ouverte",
      "Das Bild wurde nicht geöffnet", "L'immagine non è stata aperta", "La imagen no se ha abierto"}},
    {TextId::NotAPicture,
     {"This file is not a picture Pintaloo can open.",
      "Acest fișier nu este o imagine pe care Pintaloo o poate deschide.",
      "Ce fichier n'est pas une image que Pintaloo sait ouvrir.",
      "Diese Datei ist kein Bild, das Pintaloo öffnen kann.", "Questo file non è un'immagine che Pintaloo può aprire.",
      "Este archivo no es una imagen que Pintaloo pueda abrir."}},
    {TextId::OpenTooSlow,
     {"This picture took too long to open.", "Imaginea aceasta s-a deschis prea greu.",
      "Cette image a mis trop de temps à s'ouvrir.", "Das Öffnen dieses Bildes hat zu lange gedauert.",
      "Questa immagine ci ha messo troppo ad aprirsi.", "Esta imagen ha tardado demasiado en abrirse."}},
    {TextId::SaveFailedTitle,
     {"The picture was not saved", "Desenul nu a fost salvat", "Le dessin n'a pas été enregistré",
      "Das Bild wurde nicht gespeichert", "Il disegno non è stato salvato", "El dibujo no se ha guardado"}},
    {TextId::SaveFailed,
     {"Pintaloo could not save the picture as\n%1\n\n%2\n\nThe drawing is still on the page: "
      "please try another folder or free some disk space.",
      "Pintaloo nu a putut salva desenul ca\n%1\n\n%2\n\nDesenul este încă pe pagină: "
      "încearcă alt dosar sau fă loc pe disc.",
      "Pintaloo n'a pas pu enregistrer le dessin sous\n%1\n\n%2\n\nLe dessin est toujours sur la page : "
      "essaie un autre dossier ou libère de la place sur le disque.",
      "Pintaloo konnte das Bild nicht speichern als\n%1\n\n%2\n\nDie Zeichnung ist noch auf der Seite: "
      "versuch es mit einem anderen Ordner oder mach etwas Platz auf dem Datenträger.",
      "Pintaloo non è riuscito a salvare il disegno come\n%1\n\n%2\n\nIl disegno è ancora sulla pagina: "
      "prova un'altra cartella o libera un po' di spazio sul disco.",
      "Pintaloo no ha podido guardar el dibujo como\n%1\n\n%2\n\nEl dibujo sigue en la página: "
      "prueba otra carpeta o deja algo de espacio libre en el disco."}},
    {TextId::UnknownExtension,
     {"Pintaloo saves pictures as .bmp, .png or .jpg.", "Pintaloo salvează desenele ca .bmp, .png sau .jpg.",
      "Pintaloo enregistre les dessins en .bmp, .png ou .jpg.", "Pintaloo speichert Bilder als .bmp, .png oder .jpg.",
      "Pintaloo salva i disegni come .bmp, .png o .jpg.", "Pintaloo guarda los dibujos como .bmp, .png o .jpg."}},
    {TextId::DiskFull,
     {"No space left on device", "Nu mai este spațiu pe disc", "Plus de place sur le disque",
      "Kein Platz mehr auf dem Datenträger", "Spazio su disco esaurito", "No queda espacio en el disco"}},

    {TextId::FilterPictures, {"Pictures", "Imagini", "Images", "Bilder", "Immagini", "Imágenes"}},
    {TextId::FilterBmp,
     {"Windows Bitmap", "Bitmap Windows", "Bitmap Windows", "Windows-Bitmap", "Bitmap di Windows",
      "Mapa de bits de Windows"}},
    {TextId::FilterJpeg, {"JPG/JPEG", "JPG/JPEG", "JPG/JPEG", "JPG/JPEG", "JPG/JPEG", "JPG/JPEG"}},
    {TextId::FilterPng, {"PNG", "PNG", "PNG", "PNG", "PNG", "PNG"}},

    {TextId::PictureUnreadable,
     {"Pintaloo could not read this file.", "Pintaloo nu a putut citi acest fișier.",
      "Pintaloo n'a pas pu lire ce fichier.", "Pintaloo konnte diese Datei nicht lesen.",
      "Pintaloo non è riuscito a leggere questo file.", "Pintaloo no ha podido leer este archivo."}},
    {TextId::PictureTooLarge,
     {"This picture is too big for Pintaloo to open.", "Imaginea aceasta este prea mare ca Pintaloo să o deschidă.",
      "Cette image est trop grande pour que Pintaloo l'ouvre.", "Dieses Bild ist zu groß für Pintaloo.",
      "Questa immagine è troppo grande per Pintaloo.", "Esta imagen es demasiado grande para Pintaloo."}},
    {TextId::PictureDamaged,
     {"This picture is damaged or incomplete, so Pintaloo cannot open it.",
      "Imaginea aceasta este stricată sau incompletă, așa că Pintaloo nu o poate deschide.",
      "Cette image est abîmée ou incomplète, Pintaloo ne peut donc pas l'ouvrir.",
      "Dieses Bild ist beschädigt oder unvollständig, deshalb kann Pintaloo es nicht öffnen.",
      "Questa immagine è danneggiata o incompleta, quindi Pintaloo non può aprirla.",
      "Esta imagen está dañada o incompleta, así que Pintaloo no puede abrirla."}},
    {TextId::PictureTooSlow,
     {"This picture takes too long to open, so Pintaloo stopped trying.",
      "Imaginea aceasta se deschide prea greu, așa că Pintaloo s-a oprit.",
      "Cette image met trop de temps à s'ouvrir, Pintaloo a donc arrêté d'essayer.",
      "Das Öffnen dieses Bildes dauert zu lange, deshalb hat Pintaloo aufgehört.",
      "Questa immagine ci mette troppo ad aprirsi, quindi Pintaloo ha smesso di provare.",
      "Esta imagen tarda demasiado en abrirse, así que Pintaloo ha dejado de intentarlo."}},
    {TextId::PictureKinds,
     {"Pintaloo opens bitmap (.bmp), JPEG and PNG pictures.", "Pintaloo deschide imagini bitmap (.bmp), JPEG și PNG.",
      "Pintaloo ouvre les images bitmap (.bmp), JPEG et PNG.", "Pintaloo öffnet Bitmap- (.bmp), JPEG- und PNG-Bilder.",
      "Pintaloo apre immagini bitmap (.bmp), JPEG e PNG.", "Pintaloo abre imágenes bitmap (.bmp), JPEG y PNG."}},
    {TextId::DrawingStillThere,
     {"The drawing is still on the page.", "Desenul este încă pe pagină.", "Le dessin est toujours sur la page.",
      "Die Zeichnung ist noch auf der Seite.", "Il disegno è ancora sulla pagina.", "El dibujo sigue en la página."}},
    {TextId::UnknownEndingSaved,
     {"Pintaloo cannot save a picture as\n%1\n\nPlease end the name with .bmp, .png or .jpg, or leave the ending "
      "off for a bitmap. The drawing is still on the page.",
      "Pintaloo nu poate salva un desen ca\n%1\n\nTe rog să termini numele cu .bmp, .png sau .jpg, sau lasă-l fără "
      "terminație pentru un bitmap. Desenul este încă pe pagină.",
      "Pintaloo ne peut pas enregistrer un dessin sous\n%1\n\nTermine le nom par .bmp, .png ou .jpg, ou ne mets pas "
      "de terminaison pour un bitmap. Le dessin est toujours sur la page.",
      "Pintaloo kann ein Bild nicht speichern als\n%1\n\nBitte lass den Namen auf .bmp, .png oder .jpg enden, oder "
      "lass die Endung weg für ein Bitmap. Die Zeichnung ist noch auf der Seite.",
      "Pintaloo non può salvare un disegno come\n%1\n\nFai finire il nome con .bmp, .png o .jpg, oppure non mettere "
      "estensione per un bitmap. Il disegno è ancora sulla pagina.",
      "Pintaloo no puede guardar un dibujo como\n%1\n\nTermina el nombre en .bmp, .png o .jpg, o no pongas "
      "terminación para un bitmap. El dibujo sigue en la página."}},
    {TextId::KeepFailedTitle,
     {"Your drawing is not being kept", "Desenul tău nu este păstrat", "Ton dessin n'est pas conservé",
      "Deine Zeichnung wird nicht aufbewahrt", "Il tuo disegno non viene conservato",
      "Tu dibujo no se está guardando"}},
    {TextId::KeepFailed,
     {"Pintaloo cannot keep your drawing here:\n%1\n\n%2\n\nThe drawing stays on the page while Pintaloo is open, "
      "and Pintaloo keeps trying. To be sure, save the drawing before quitting.",
      "Pintaloo nu poate păstra desenul aici:\n%1\n\n%2\n\nDesenul rămâne pe pagină cât timp Pintaloo este "
      "deschis, iar Pintaloo încearcă în continuare. Ca să fii sigur, salvează desenul înainte de a închide.",
      "Pintaloo ne peut pas conserver ton dessin ici :\n%1\n\n%2\n\nLe dessin reste sur la page tant que "
      "Pintaloo est ouvert, et Pintaloo continue d'essayer. Pour être sûr, enregistre le dessin avant de quitter.",
      "Pintaloo kann deine Zeichnung hier nicht aufbewahren:\n%1\n\n%2\n\nDie Zeichnung bleibt auf der Seite, "
      "solange Pintaloo offen ist, und Pintaloo versucht es weiter. Um sicherzugehen, speichere die Zeichnung, "
      "bevor du Pintaloo beendest.",
      "Pintaloo non può conservare il tuo disegno qui:\n%1\n\n%2\n\nIl disegno resta sulla pagina finché "
      "Pintaloo è aperto, e Pintaloo continua a provare. Per sicurezza, salva il disegno prima di uscire.",
      "Pintaloo no puede guardar tu dibujo aquí:\n%1\n\n%2\n\nEl dibujo sigue en la página mientras Pintaloo "
      "esté abierto, y Pintaloo lo sigue intentando. Para estar seguro, guarda el dibujo antes de salir."}},
    {TextId::AnotherCopyKeeps,
     {"Pintaloo cannot keep your drawing here:\n%1\n\nAnother Pintaloo (perhaps in another login) is already "
      "keeping its drawing there. This one starts blank and keeps nothing: save the drawing before quitting.",
      "Pintaloo nu poate păstra desenul aici:\n%1\n\nUn alt Pintaloo (poate în altă sesiune) își păstrează deja "
      "desenul acolo. Acesta pornește cu o pagină goală și nu păstrează nimic: salvează desenul înainte de a "
      "închide.",
      "Pintaloo ne peut pas conserver ton dessin ici :\n%1\n\nUn autre Pintaloo (peut-être dans une autre "
      "session) y conserve déjà son dessin. Celui-ci commence avec une page blanche et ne conserve rien : "
      "enregistre le dessin avant de quitter.",
      "Pintaloo kann deine Zeichnung hier nicht aufbewahren:\n%1\n\nEin anderes Pintaloo (vielleicht in einer "
      "anderen Anmeldung) bewahrt dort schon seine Zeichnung auf. Dieses beginnt mit einer leeren Seite und "
      "bewahrt nichts auf: Speichere die Zeichnung, bevor du Pintaloo beendest.",
      "Pintaloo non può conservare il tuo disegno qui:\n%1\n\nUn altro Pintaloo (forse in un'altra sessione) vi "
      "conserva già il suo disegno. Questo comincia con una pagina bianca e non conserva nulla: salva il disegno "
      "prima di uscire.",
      "Pintaloo no puede guardar tu dibujo aquí:\n%1\n\nOtro Pintaloo (quizá en otra sesión) ya guarda allí su "
      "dibujo. Este empieza con una página en blanco y no guarda nada: guarda el dibujo antes de salir."}},
    {TextId::KeptRefused,
     {"The drawing kept last time could not be read, so the page starts blank. It was not thrown away: it was "
      "put aside as\n%1",
      "Desenul păstrat data trecută nu a putut fi citit, așa că pagina pornește goală. Nu a fost aruncat: a fost "
      "pus deoparte ca\n%1",
      "Le dessin conservé la dernière fois n'a pas pu être lu, la page commence donc blanche. Il n'a pas été "
      "jeté : il a été mis de côté sous le nom\n%1",
      "Die zuletzt aufbewahrte Zeichnung konnte nicht gelesen werden, deshalb beginnt die Seite leer. Sie wurde "
      "nicht weggeworfen, sondern beiseitegelegt als\n%1",
      "Il disegno conservato l'ultima volta non si è potuto leggere, quindi la pagina comincia bianca. Non è "
      "stato buttato via: è stato messo da parte come\n%1",
      "El dibujo guardado la última vez no se ha podido leer, así que la página empieza en blanco. No se ha "
      "tirado: se ha apartado como\n%1"}},
    {TextId::SaveBeforeQuitting,
     {"Your drawing has not been kept and will be gone when Pintaloo closes.\n\nSave it now?",
      "Desenul tău nu a fost păstrat și va dispărea când Pintaloo se închide.\n\nÎl salvezi acum?",
      "Ton dessin n'a pas été conservé et disparaîtra quand Pintaloo se fermera.\n\nL'enregistrer maintenant ?",
      "Deine Zeichnung wurde nicht aufbewahrt und ist weg, wenn Pintaloo sich schließt.\n\nMöchtest du sie "
      "jetzt speichern?",
      "Il tuo disegno non è stato conservato e sparirà quando Pintaloo si chiude.\n\nVuoi salvarlo adesso?",
      "Tu dibujo no se ha guardado y desaparecerá cuando Pintaloo se cierre.\n\n¿Guardarlo ahora?"}},
    {TextId::StoryNotKeptTitle,
     {"The film was not kept", "Filmul nu a fost păstrat", "Le film n'a pas été conservé",
      "Der Film wurde nicht aufbewahrt", "Il film non è stato conservato", "La película no se ha conservado"}},
    {TextId::StoryNotKept,
     {"The picture was saved as\n%1\n\nbut its film could not be kept beside it as\n%2\n\n%3",
      "Desenul a fost salvat ca\n%1\n\ndar filmul lui nu a putut fi păstrat alături, ca\n%2\n\n%3",
      "Le dessin a été enregistré sous\n%1\n\nmais son film n'a pas pu être conservé à côté sous\n%2\n\n%3",
      "Das Bild wurde gespeichert als\n%1\n\naber sein Film konnte nicht daneben aufbewahrt werden als\n%2\n\n%3",
      "Il disegno è stato salvato come\n%1\n\nma il suo film non si è potuto conservare accanto come\n%2\n\n%3",
      "El dibujo se ha guardado como\n%1\n\npero su película no se ha podido guardar al lado como\n%2\n\n%3"}},
    // No ':' in the name: other systems cannot store it.
    {TextId::GalleryDrawingName, {"Drawing", "Desen", "Dessin", "Zeichnung", "Disegno", "Dibujo"}},
    {TextId::GalleryNotKeptTitle,
     {"Drawings are not going into My drawings", "Desenele nu ajung în Desenele mele",
      "Les dessins ne vont pas dans Mes dessins", "Zeichnungen kommen nicht in Meine Zeichnungen",
      "I disegni non finiscono in I miei disegni", "Los dibujos no llegan a Mis dibujos"}},
    {TextId::GalleryNotKept,
     {"The drawings cannot be put into\n%1\n\n%2\n\nNothing is lost: they are kept in\n%3",
      "Desenele nu pot fi puse în\n%1\n\n%2\n\nNimic nu se pierde: sunt păstrate în\n%3",
      "Les dessins ne peuvent pas être rangés dans\n%1\n\n%2\n\nRien n'est perdu : ils sont gardés dans\n%3",
      "Die Zeichnungen können nicht abgelegt werden in\n%1\n\n%2\n\nNichts geht verloren: sie liegen in\n%3",
      "I disegni non possono essere messi in\n%1\n\n%2\n\nNon si perde nulla: sono conservati in\n%3",
      "Los dibujos no se pueden guardar en\n%1\n\n%2\n\nNo se pierde nada: se conservan en\n%3"}},
};

static_assert(std::size(kTexts) == std::size_t(kTextCount), "one row for every text");

// The rows are in the order of TextId, so a text is found by its number;
// checked once here rather than searched on every call.
constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i)
        if (kTexts[i].id != TextId(i)) return false;
    return true;
}
static_assert(RowsInOrder(), "rows in the order of TextId");

QString Filter(TextId name, const char* patterns, Language language) {
    return Text(name, language) + QStringLiteral(" (") + QLatin1String(patterns) + QLatin1Char(')');
}

}  // namespace

QString Text(TextId id, Language language) {
    const auto row = std::size_t(id);
    const auto column = std::size_t(language);
    // An id or language from outside the enums (a cast gone wrong) gets no text rather than a crash.
    if (row >= std::size(kTexts) || column >= std::size_t(kLanguageCount)) return {};
    return QString::fromUtf8(kTexts[row].text[column]);
}

QString OpenFilter(Language language) {
    return QStringList{Filter(TextId::FilterPictures, "*.bmp *.jpg *.jpeg *.png", language),
                       Filter(TextId::FilterBmp, "*.bmp", language),
                       Filter(TextId::FilterJpeg, "*.jpg *.jpeg", language),
                       Filter(TextId::FilterPng, "*.png", language)}
        .join(QStringLiteral(";;"));
}

QString SaveFilter(Language language) {
    return QStringList{Filter(TextId::FilterBmp, "*.bmp", language), Filter(TextId::FilterPng, "*.png", language),
                       Filter(TextId::FilterJpeg, "*.jpg *.jpeg", language)}
        .join(QStringLiteral(";;"));
}

}  // namespace pintaloo
