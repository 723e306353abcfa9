<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Colours</name>
    <message>
        <source>Red</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Pink</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>White</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Grau</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Pictures</source>
        <comment>File type in the open dialog: every kind of picture.</comment>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Windows Bitmap</source>
        <comment>File type name in the file dialogs (.bmp).</comment>
        <translation>Windows-Bitmap</translation>
    </message>
    <message>
        <source>JPG/JPEG</source>
        <comment>File type name in the file dialogs (.jpg); usually kept as it is.</comment>
        <translation>JPG/JPEG</translation>
    </message>
    <message>
        <source>PNG</source>
        <comment>File type name in the file dialogs (.png); usually kept as it is.</comment>
        <translation>PNG</translation>
    </message>
    <message>
        <source>WebP film</source>
        <comment>File type name in the film&apos;s save dialog (.webp).</comment>
        <translation>WebP-Film</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Drawing</source>
        <comment>The word a kept drawing&apos;s file name begins with, before the date: &apos;Drawing 2026-12-09 17.32.png&apos;. No &apos;:&apos; or &apos;/&apos;.</comment>
        <translation>Zeichnung</translation>
    </message>
</context>
<context>
    <name>GrownUp</name>
    <message>
        <source>For grown-ups</source>
        <comment>Title of the small window that asks a sum only a grown-up can answer, before the grown-up&apos;s settings open.</comment>
        <translation>Für Erwachsene</translation>
    </message>
    <message>
        <source>Only a grown-up can open this. What is the answer?</source>
        <comment>Above a sum such as 7 × 6 =, with number keys below. Addressed to the adult.</comment>
        <translation>Das kann nur ein Erwachsener öffnen. Wie lautet die Antwort?</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>Button that gives the typed answer to the sum.</comment>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Not now</source>
        <comment>Button that closes the question without opening anything.</comment>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Erase the last digit</source>
        <comment>Tooltip and screen-reader name of the backspace key beside the number keys.</comment>
        <translation>Letzte Ziffer löschen</translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <comment>Shown for a few seconds after three wrong answers in a row, while the number keys are off.</comment>
        <translation>Einen Moment warten, dann noch einmal versuchen.</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <comment>Title of the grown-up&apos;s settings window.</comment>
        <translation>Einstellungen für Erwachsene</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Button that closes the grown-up&apos;s settings window; every change is already kept.</comment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>A page of the grown-up&apos;s settings, shown beside its picture in the side list.</comment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>A page of the grown-up&apos;s settings: the language of the window.</comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Screen</source>
        <comment>A page of the grown-up&apos;s settings: full screen or a window.</comment>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>A page of the grown-up&apos;s settings: what the program shows when it starts.</comment>
        <translation>Programmstart</translation>
    </message>
    <message>
        <source>Drawings</source>
        <comment>A page of the grown-up&apos;s settings: the folder where the child&apos;s drawings are kept.</comment>
        <translation>Zeichnungen</translation>
    </message>
    <message>
        <source>Switches</source>
        <comment>A page of the grown-up&apos;s settings: scanning for children who use one or two accessibility switches.</comment>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Lock-down</source>
        <comment>A page of the grown-up&apos;s settings: things a child must not do (quit, print, file dialogs, leave full screen).</comment>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <comment>Beside a big on-off switch: sounds on or off.</comment>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Fill the whole screen</source>
        <comment>Beside a big on-off switch: full screen.</comment>
        <translation>Den ganzen Bildschirm füllen</translation>
    </message>
    <message>
        <source>When the program starts, show:</source>
        <comment>Above two big choices: the last drawing, or a blank page.</comment>
        <translation>Beim Programmstart zeigen:</translation>
    </message>
    <message>
        <source>The last drawing</source>
        <comment>One of two choices: start with the drawing the child left last time.</comment>
        <translation>Die letzte Zeichnung</translation>
    </message>
    <message>
        <source>A blank page</source>
        <comment>One of two choices: start on a blank page (the last drawing is kept in the gallery).</comment>
        <translation>Ein leeres Blatt</translation>
    </message>
    <message>
        <source>Drawings are kept in this folder:</source>
        <comment>Above the path of the folder where the child&apos;s drawings are saved.</comment>
        <translation>Die Zeichnungen liegen in diesem Ordner:</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <comment>Button that opens the desktop&apos;s folder dialog to pick where drawings are kept; also its title.</comment>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Back to the usual folder</source>
        <comment>Button that forgets the chosen folder: drawings go to the usual Pictures folder again.</comment>
        <translation>Zurück zum üblichen Ordner</translation>
    </message>
    <message>
        <source>Switch scanning: seconds between steps</source>
        <comment>Above the choices Off, 1, 2, 3, 4, 5: how fast the highlight moves for a child using switches.</comment>
        <translation>Abtasten mit Tastern: Sekunden pro Schritt</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>The first of the scanning choices: no scanning.</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>How many switches?</source>
        <comment>Above the choices One switch / Two switches.</comment>
        <translation>Wie viele Taster?</translation>
    </message>
    <message>
        <source>One switch</source>
        <comment>Scanning choice: one switch (the highlight moves by itself).</comment>
        <translation>Ein Taster</translation>
    </message>
    <message>
        <source>Two switches</source>
        <comment>Scanning choice: two switches (one moves, one presses).</comment>
        <translation>Zwei Taster</translation>
    </message>
    <message>
        <source>Closing asks the grown-up question</source>
        <comment>Beside an on-off switch: closing the program first asks the sum only a grown-up answers.</comment>
        <translation>Beenden stellt die Erwachsenenfrage</translation>
    </message>
    <message>
        <source>No printing</source>
        <comment>Beside an on-off switch: the print button and Ctrl+P do nothing.</comment>
        <translation>Kein Drucken</translation>
    </message>
    <message>
        <source>Open and save only in the child&apos;s own drawings</source>
        <comment>Beside an on-off switch: no file dialogs; opening and saving stay within the child&apos;s drawings.</comment>
        <translation>Öffnen und Speichern nur in den eigenen Zeichnungen</translation>
    </message>
    <message>
        <source>Always keep the full screen</source>
        <comment>Beside an on-off switch: full screen cannot be left (no Escape, no F11).</comment>
        <translation>Immer im Vollbild bleiben</translation>
    </message>
    <message>
        <source>Set by your school</source>
        <comment>Beside a small padlock under a setting the school&apos;s system-wide file has locked: it cannot be changed here.</comment>
        <translation>Von deiner Schule festgelegt</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Pintaloo: help and about</source>
        <comment>The help window&apos;s page title.</comment>
        <translation>Pintaloo: Hilfe und Info</translation>
    </message>
    <message>
        <source>A painting program for young children. Pick a colour, pick a tool and paint on the big white page with the mouse, a finger or a pen.</source>
        <translation>Ein Malprogramm für kleine Kinder. Such dir eine Farbe und ein Werkzeug aus und mal auf der großen weißen Seite – mit der Maus, mit dem Finger oder mit einem Stift.</translation>
    </message>
    <message>
        <source>The buttons at the bottom</source>
        <comment>A heading.</comment>
        <translation>Die Knöpfe unten</translation>
    </message>
    <message>
        <source>A crayon. Colouring over paint mixes the new colour in slowly. It never paints over the black lines of a colouring page.</source>
        <translation>Ein Buntstift. Wenn du über Farbe malst, mischt sich die neue Farbe langsam hinein. Er malt nie über die schwarzen Linien einer Malvorlage.</translation>
    </message>
    <message>
        <source>Opens the stamps: animals, vehicles, flowers, houses, suns, trees, clouds and people. Choose a group, then a picture, then press on the page. Stamps come out smaller near the top of the page, because things far away look small.</source>
        <translation>Öffnet die Stempel: Tiere, Fahrzeuge, Blumen, Häuser, Sonnen, Bäume, Wolken und Menschen. Wähl eine Gruppe, dann ein Bild, dann drück auf die Seite. Weiter oben auf der Seite werden die Stempel kleiner, weil Dinge in der Ferne klein aussehen.</translation>
    </message>
    <message>
        <source>Fills an area with the colour you chose.</source>
        <translation>Füllt eine Fläche mit der Farbe, die du gewählt hast.</translation>
    </message>
    <message>
        <source>Rubs paint away, but not the black lines of a colouring page.</source>
        <translation>Radiert Farbe weg, aber nicht die schwarzen Linien einer Malvorlage.</translation>
    </message>
    <message>
        <source>Turns the whole picture into an oil painting.</source>
        <translation>Macht aus dem ganzen Bild ein Ölgemälde.</translation>
    </message>
    <message>
        <source>Four bars, from thin to thick. The chosen bar shows your colour.</source>
        <translation>Vier Balken, von dünn bis dick. Der gewählte Balken zeigt deine Farbe.</translation>
    </message>
    <message>
        <source>The colours</source>
        <comment>A term in a list, like the button names around it.</comment>
        <translation>Die Farben</translation>
    </message>
    <message>
        <source>24 colours, each with its own little tune. The big box next to them shows your colour: press it to watch a short cartoon.</source>
        <translation>24 Farben, jede mit ihrer eigenen kleinen Melodie. Das große Kästchen daneben zeigt deine Farbe: Drück darauf, dann siehst du einen kurzen Trickfilm.</translation>
    </message>
    <message>
        <source>The buttons at the top</source>
        <comment>A heading.</comment>
        <translation>Die Knöpfe oben</translation>
    </message>
    <message>
        <source>Starts again on a clean white page. The drawing you had goes into My drawings.</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name: use the same words as its button.</comment>
        <translation>Fängt noch einmal mit einer sauberen weißen Seite an. Dein bisheriges Bild kommt in „Meine Bilder“.</translation>
    </message>
    <message>
        <source>Leafs through 21 colouring pages. Press the big picture to colour it.</source>
        <translation>Blättert durch 21 Malvorlagen. Drück auf das große Bild, um es auszumalen.</translation>
    </message>
    <message>
        <source>In the colouring pages, opens a picture you saved before (BMP, JPEG or PNG).</source>
        <translation>Öffnet bei den Malvorlagen ein Bild, das du früher gespeichert hast (BMP, JPEG oder PNG).</translation>
    </message>
    <message>
        <source>Saves your picture in your Pictures folder, or wherever you choose. A PNG picture keeps its film inside it.</source>
        <translation>Speichert dein Bild in deinem Ordner „Bilder“ oder wo du willst. Ein PNG-Bild trägt seinen Film in sich.</translation>
    </message>
    <message>
        <source>Every drawing you leave for a new page is kept here, newest first. Press one to paint on it again, press the bin twice to throw it away, or watch them all one after another.</source>
        <translation>Jedes Bild, das du für eine neue Seite verlässt, wird hier aufbewahrt, das neueste zuerst. Drück auf eins, um weiter daran zu malen, drück zweimal auf den Papierkorb, um es wegzuwerfen, oder schau sie dir alle nacheinander an.</translation>
    </message>
    <message>
        <source>Take back the last thing you painted, and bring it back again.</source>
        <translation>Nimmt das zuletzt Gemalte zurück und holt es wieder her.</translation>
    </message>
    <message>
        <source>Prints your picture as big as the paper allows. You can also print to a PDF file.</source>
        <translation>Druckt dein Bild so groß, wie das Papier es erlaubt. Du kannst auch in eine PDF-Datei drucken.</translation>
    </message>
    <message>
        <source>Turns the sounds and tunes off, and on again.</source>
        <translation>Schaltet die Töne und Melodien aus und wieder an.</translation>
    </message>
    <message>
        <source>Opens this page.</source>
        <translation>Öffnet diese Seite.</translation>
    </message>
    <message>
        <source>The film</source>
        <comment>A heading: the drawing played again from its first stroke.</comment>
        <translation>Der Film</translation>
    </message>
    <message>
        <source>Pintaloo remembers how you painted your picture. This plays it again from the first stroke, like a film.</source>
        <translation>Pintaloo merkt sich, wie du dein Bild gemalt hast. Das hier spielt es vom ersten Strich an noch einmal ab, wie einen Film.</translation>
    </message>
    <message>
        <source>Saves that film as a moving picture (WebP) you can show to others.</source>
        <translation>Speichert diesen Film als bewegtes Bild (WebP), das du anderen zeigen kannst.</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>A heading.</comment>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Closes an open panel, and leaves full screen.</source>
        <translation>Schließt ein offenes Feld und beendet das Vollbild.</translation>
    </message>
    <message>
        <source>Pintaloo fills the whole screen; press F11 or Esc again to go back.</source>
        <comment>Follows the name &apos;Full screen&apos;. Keep F11 and Esc as they are.</comment>
        <translation>Pintaloo füllt den ganzen Bildschirm; drück noch einmal F11 oder Esc, um zurückzugehen.</translation>
    </message>
    <message>
        <source>Quit Pintaloo.</source>
        <translation>Beendet Pintaloo.</translation>
    </message>
    <message>
        <source>Tab moves from button to button and Space presses one. On the page, the arrow keys move the brush and Space paints.</source>
        <comment>Keep Tab and Space as they are written on the keys.</comment>
        <translation>Tab springt von Knopf zu Knopf, und Space drückt einen. Auf der Seite bewegen die Pfeiltasten den Pinsel, und Space malt.</translation>
    </message>
    <message>
        <source>About</source>
        <comment>A heading.</comment>
        <translation>Über Pintaloo</translation>
    </message>
    <message>
        <source>Pintaloo, version %1.</source>
        <comment>%1 is the version number.</comment>
        <translation>Pintaloo, Version %1.</translation>
    </message>
    <message>
        <source>Credits.</source>
        <translation>Mitwirkende.</translation>
    </message>
    <message>
        <source>Every picture, colouring page, sound and cartoon in Pintaloo was made for it by the Pintaloo team and is kept with the program&apos;s source. Pintaloo is built on Qt, SDL_mixer and rlottie.</source>
        <translation>Alle Bilder, Malvorlagen, Töne und Trickfilme in Pintaloo hat das Pintaloo-Team eigens dafür gemacht, und sie liegen beim Quelltext des Programms. Pintaloo baut auf Qt, SDL_mixer und rlottie auf.</translation>
    </message>
    <message>
        <source>Licence.</source>
        <translation>Lizenz.</translation>
    </message>
    <message>
        <source>Pintaloo is free software: its program code is under the GNU General Public License, version 3 or later (%1); its pictures, sounds, cartoons and colouring pages are under the Creative Commons Attribution-ShareAlike 4.0 licence (%2); its software-centre metadata is under %3. The full texts come with the program, on Debian in %4.</source>
        <comment>%1, %2 and %3 are the licences&apos; short names, %4 a folder.</comment>
        <translation>Pintaloo ist freie Software: Der Programmcode steht unter der GNU General Public License, Version 3 oder später (%1); die Bilder, Töne, Trickfilme und Malvorlagen stehen unter der Lizenz Creative Commons Attribution-ShareAlike 4.0 (%2); die Metadaten für Softwarezentren stehen unter %3. Die vollständigen Texte liegen dem Programm bei, unter Debian in %4.</translation>
    </message>
    <message>
        <source>For grown-ups.</source>
        <translation>Für Erwachsene.</translation>
    </message>
    <message>
        <source>Pintaloo speaks the language of your desktop when it knows it, and English otherwise. Start it with %1 to choose one of: %2. Pintaloo remembers it.</source>
        <comment>%1 is the option as typed (&apos;--lang CODE&apos;), %2 the list of codes.</comment>
        <translation>Pintaloo spricht die Sprache deiner Arbeitsumgebung, wenn es sie kennt, und sonst Englisch. Starte es mit %1, um eine davon zu wählen: %2. Pintaloo merkt sich die Wahl.</translation>
    </message>
    <message>
        <source>Besides your pictures, Pintaloo keeps a few settings in %1: sound on or off, the language, full screen and the folder you last used.</source>
        <comment>%1 is a file.</comment>
        <translation>Außer deinen Bildern bewahrt Pintaloo ein paar Einstellungen in %1 auf: Ton an oder aus, die Sprache, Vollbild und den zuletzt benutzten Ordner.</translation>
    </message>
    <message>
        <source>The drawing on the page is kept in %1 a moment after each change, so it comes back when Pintaloo starts again, even after a crash. Drawings left for a new page go into %2.</source>
        <comment>%1 and %2 are folders.</comment>
        <translation>Das Bild auf der Seite wird kurz nach jeder Änderung in %1 aufbewahrt, damit es wieder da ist, wenn Pintaloo neu startet, sogar nach einem Absturz. Bilder, die für eine neue Seite verlassen werden, kommen in %2.</translation>
    </message>
    <message>
        <source>For children who use one or two switches: start Pintaloo with %1 and the buttons light up one after another; %2 gives one switch to move and one to press.</source>
        <comment>%1 and %2 are options as typed.</comment>
        <translation>Für Kinder, die mit einem oder zwei Tastern arbeiten: Starte Pintaloo mit %1, dann leuchten die Knöpfe nacheinander auf; %2 gibt einen Taster zum Weiterschalten und einen zum Drücken.</translation>
    </message>
    <message>
        <source>Opens a box of %1 special brushes: rings, spray, dots, a rainbow ribbon, balls, a pen, daisies, stars, grass with flowers, splats, tiles, zigzags, bricks and more.</source>
        <comment>%1 is how many (17 or more).</comment>
        <translation>Öffnet einen Kasten mit %1 besonderen Pinseln: Ringe, Spray, Punkte, ein Regenbogenband, Bälle, ein Füller, Gänseblümchen, Sterne, Gras mit Blumen, Kleckse, Fliesen, Zickzacks, Ziegelsteine und noch mehr.</translation>
    </message>
    <message>
        <source>Opens a box of %1 kinds of magic: brushes that paint or change the paint under them, and tricks that change the whole picture at once.</source>
        <comment>%1 is how many (16 or more).</comment>
        <translation>Öffnet eine Kiste mit %1 Zaubereien: Pinsel, die malen oder die Farbe unter sich verändern, und Zaubertricks, die das ganze Bild auf einmal verändern.</translation>
    </message>
    <message>
        <source>A pen paints wider when you press harder, and thinner when you press lightly.</source>
        <comment>Follows the help page&apos;s first paragraph, which says a child can paint with a pen.</comment>
        <translation>Ein Stift malt breiter, wenn du fester drückst, und dünner, wenn du leicht drückst.</translation>
    </message>
    <message>
        <source>Opens the shapes and a straight line. Press where the middle of the shape goes and pull: the shape grows as you move, and stays on the page when you let go. Press the chosen shape in the box again to paint it filled in, or as an outline only.</source>
        <translation>Öffnet die Formen und eine gerade Linie. Drück dort, wo die Mitte der Form hinkommt, und zieh: Die Form wächst mit, während du dich bewegst, und bleibt auf dem Blatt, wenn du loslässt. Drück die gewählte Form im Kasten noch einmal, um sie ausgefüllt oder nur als Umriss zu malen.</translation>
    </message>
    <message>
        <source>Writes a word on your drawing, such as your name. Press on the page where it goes, then type it on the keyboard or press the big letters on the board that opens. The arrow takes back a letter; the tick or Enter puts the word on the page in your colour, at the size of the bar you chose.</source>
        <translation>Schreibt ein Wort auf dein Bild, zum Beispiel deinen Namen. Drück auf das Blatt, wo es hin soll, und tippe es auf der Tastatur oder drück die großen Buchstaben auf der Tafel, die aufgeht. Der Pfeil nimmt einen Buchstaben zurück; der Haken oder die Eingabetaste setzt das Wort in deiner Farbe aufs Blatt, so groß wie der gewählte Balken.</translation>
    </message>
    <message>
        <source>Press the little rainbow under your colour to choose any colour at all. The dropper takes a colour from your picture.</source>
        <comment>Help page line about the field of every colour and the dropper, read aloud to a young child.</comment>
        <translation>Drück auf den kleinen Regenbogen unter deiner Farbe, dann kannst du jede Farbe wählen. Die Pipette nimmt eine Farbe aus deinem Bild.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Painting for Children</source>
        <comment>The launcher&apos;s generic name, shown under or beside &apos;Pintaloo&apos;.</comment>
        <translation>Malen für Kinder</translation>
    </message>
    <message>
        <source>Paint with crayons, stamps and colouring pages</source>
        <comment>The launcher&apos;s tooltip.</comment>
        <translation>Mal mit Buntstiften, Stempeln und Malvorlagen</translation>
    </message>
    <message>
        <source>paint;draw;crayon;colouring;stamps;children;kids;</source>
        <comment>Words a menu search finds Pintaloo by: separated and ended by &apos;;&apos;, no spaces around them.</comment>
        <translation>malen;zeichnen;Buntstift;ausmalen;Malvorlagen;Stempel;Kinder;</translation>
    </message>
    <message>
        <source>Painting for young children</source>
        <comment>The software centre&apos;s one-line summary.</comment>
        <translation>Malen für kleine Kinder</translation>
    </message>
    <message>
        <source>Pintaloo is a painting program for young children. Big friendly buttons, sounds and short cartoons make every tool easy to find, and nothing a child does can break anything.</source>
        <comment>The software centre&apos;s description, first paragraph.</comment>
        <translation>Pintaloo ist ein Malprogramm für kleine Kinder. Große, freundliche Knöpfe, Töne und kurze Trickfilme machen jedes Werkzeug leicht zu finden, und nichts, was ein Kind tut, kann etwas kaputt machen.</translation>
    </message>
    <message>
        <source>A crayon pencil whose colour blends into the paint already on the page</source>
        <comment>The software centre&apos;s list of what Pintaloo does.</comment>
        <translation>Ein Buntstift, dessen Farbe sich mit der Farbe mischt, die schon auf der Seite ist</translation>
    </message>
    <message>
        <source>An eraser, flood fill and patterned and picture brushes</source>
        <translation>Ein Radiergummi, Füllen mit Farbe sowie Muster- und Bildpinsel</translation>
    </message>
    <message>
        <source>Stamps that come out smaller further up the page</source>
        <translation>Stempel, die weiter oben auf der Seite kleiner werden</translation>
    </message>
    <message>
        <source>An oil-painting effect</source>
        <translation>Ein Ölgemälde-Effekt</translation>
    </message>
    <message>
        <source>Colouring pages whose outlines the pencil never covers</source>
        <translation>Malvorlagen, deren Umrisse der Buntstift nie übermalt</translation>
    </message>
    <message>
        <source>A gallery of the child&apos;s own drawings, and each drawing played back as a film</source>
        <translation>Eine Galerie mit den eigenen Bildern des Kindes, und jedes Bild lässt sich als Film abspielen</translation>
    </message>
    <message>
        <source>Sixteen languages, and painting by touch, pen, keyboard or switch</source>
        <translation>Sechzehn Sprachen und Malen mit Finger, Stift, Tastatur oder Taster</translation>
    </message>
    <message>
        <source>Pintaloo needs no network, shows no advertising and collects nothing.</source>
        <comment>The software centre&apos;s description, last paragraph.</comment>
        <translation>Pintaloo braucht kein Netzwerk, zeigt keine Werbung und sammelt nichts.</translation>
    </message>
    <message>
        <source>A picture painted with crayons and stamps</source>
        <comment>Caption of the software centre&apos;s screenshot.</comment>
        <translation>Ein Bild, gemalt mit Buntstiften und Stempeln</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The film was not saved</source>
        <translation>Der Film wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Pintaloo could not save the film as
%1

%2

Please try another folder.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo konnte den Film nicht speichern als
%1

%2

Versuch es mit einem anderen Ordner.</translation>
    </message>
    <message>
        <source>The film was saved</source>
        <translation>Der Film wurde gespeichert</translation>
    </message>
    <message>
        <source>There was too much to film: the film stops before the drawing is finished.</source>
        <translation>Es gab zu viel zu filmen: Der Film hört auf, bevor die Zeichnung fertig ist.</translation>
    </message>
    <message>
        <source>The picture was not opened</source>
        <translation>Das Bild wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>This file is not a picture Pintaloo can open.</source>
        <translation>Diese Datei ist kein Bild, das Pintaloo öffnen kann.</translation>
    </message>
    <message>
        <source>This picture took too long to open.</source>
        <translation>Das Öffnen dieses Bildes hat zu lange gedauert.</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>Das Bild wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Pintaloo could not save the picture as
%1

%2

The drawing is still on the page: please try another folder or free some disk space.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo konnte das Bild nicht speichern als
%1

%2

Die Zeichnung ist noch auf der Seite: Versuch es mit einem anderen Ordner oder mach etwas Platz auf dem Datenträger.</translation>
    </message>
    <message>
        <source>Pintaloo saves pictures as .bmp, .png or .jpg.</source>
        <translation>Pintaloo speichert Bilder als .bmp, .png oder .jpg.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <comment>The reason given when the disk is full; it follows a file name.</comment>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>Pintaloo could not read this file.</source>
        <translation>Pintaloo konnte diese Datei nicht lesen.</translation>
    </message>
    <message>
        <source>This picture is too big for Pintaloo to open.</source>
        <translation>Dieses Bild ist zu groß für Pintaloo.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete, so Pintaloo cannot open it.</source>
        <translation>Dieses Bild ist beschädigt oder unvollständig, deshalb kann Pintaloo es nicht öffnen.</translation>
    </message>
    <message>
        <source>This picture takes too long to open, so Pintaloo stopped trying.</source>
        <translation>Das Öffnen dieses Bildes dauert zu lange, deshalb hat Pintaloo aufgehört.</translation>
    </message>
    <message>
        <source>Pintaloo opens bitmap (.bmp), JPEG and PNG pictures.</source>
        <comment>Follows a refusal: which kinds of picture Pintaloo opens.</comment>
        <translation>Pintaloo öffnet Bitmap- (.bmp), JPEG- und PNG-Bilder.</translation>
    </message>
    <message>
        <source>The drawing is still on the page.</source>
        <comment>Ends every message that says a picture was not opened or saved.</comment>
        <translation>Die Zeichnung ist noch auf der Seite.</translation>
    </message>
    <message>
        <source>Pintaloo cannot save a picture as
%1

Please end the name with .bmp, .png or .jpg, or leave the ending off for a bitmap. The drawing is still on the page.</source>
        <comment>%1 is the name the parent typed. A bitmap is a .bmp file.</comment>
        <translation>Pintaloo kann ein Bild nicht speichern als
%1

Bitte lass den Namen auf .bmp, .png oder .jpg enden, oder lass die Endung weg, dann wird es ein Bitmap. Die Zeichnung ist noch auf der Seite.</translation>
    </message>
    <message>
        <source>Your drawing is not being kept</source>
        <translation>Deine Zeichnung wird nicht aufbewahrt</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

%2

The drawing stays on the page while Pintaloo is open, and Pintaloo keeps trying. To be sure, save the drawing before quitting.</source>
        <comment>%1 is the folder, %2 the reason (a system message). Pintaloo keeps the drawing between runs.</comment>
        <translation>Pintaloo kann deine Zeichnung hier nicht aufbewahren:
%1

%2

Die Zeichnung bleibt auf der Seite, solange Pintaloo offen ist, und Pintaloo versucht es weiter. Um sicherzugehen, speichere die Zeichnung, bevor du Pintaloo beendest.</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

Another Pintaloo (perhaps in another login) is already keeping its drawing there. This one starts blank and keeps nothing: save the drawing before quitting.</source>
        <comment>%1 is the folder. Two copies of Pintaloo cannot keep one drawing.</comment>
        <translation>Pintaloo kann deine Zeichnung hier nicht aufbewahren:
%1

Ein anderes Pintaloo (vielleicht in einer anderen Anmeldung) bewahrt dort schon seine Zeichnung auf. Dieses beginnt mit einer leeren Seite und bewahrt nichts auf: Speichere die Zeichnung, bevor du Pintaloo beendest.</translation>
    </message>
    <message>
        <source>The drawing kept last time could not be read, so the page starts blank. It was not thrown away: it was put aside as
%1</source>
        <comment>%1 is the name the unreadable file was put aside as.</comment>
        <translation>Die zuletzt aufbewahrte Zeichnung konnte nicht gelesen werden, deshalb beginnt die Seite leer. Sie wurde nicht weggeworfen, sondern beiseitegelegt als
%1</translation>
    </message>
    <message>
        <source>Your drawing has not been kept and will be gone when Pintaloo closes.

Save it now?</source>
        <comment>A question; the Yes button saves.</comment>
        <translation>Deine Zeichnung wurde nicht aufbewahrt und ist weg, wenn Pintaloo beendet wird.

Möchtest du sie jetzt speichern?</translation>
    </message>
    <message>
        <source>The film was not kept</source>
        <translation>Der Film wurde nicht aufbewahrt</translation>
    </message>
    <message>
        <source>The picture was saved as
%1

but its film could not be kept beside it as
%2

%3</source>
        <comment>%1 is the picture&apos;s file, %2 the story file beside it, %3 the reason.</comment>
        <translation>Das Bild wurde gespeichert als
%1

aber sein Film konnte nicht daneben aufbewahrt werden als
%2

%3</translation>
    </message>
    <message>
        <source>Drawings are not going into My drawings</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name; use the same words as its button.</comment>
        <translation>Die Zeichnungen kommen nicht in „Meine Bilder“</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

Nothing is lost: they are kept in
%3</source>
        <comment>%1 the gallery folder, %2 the reason, %3 the folder the drawings are kept in instead.</comment>
        <translation>Die Zeichnungen können nicht abgelegt werden in
%1

%2

Nichts geht verloren: sie liegen in
%3</translation>
    </message>
    <message>
        <source>The film could not be made.</source>
        <comment>The reason a film was not saved, under the file&apos;s name.</comment>
        <translation>Der Film konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The film could not be written: %1</source>
        <comment>The reason a film was not saved; %1 is the system&apos;s reason.</comment>
        <translation>Der Film konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

nor into Pintaloo&apos;s own folder. They are kept only while Pintaloo is open: press Save and choose a folder, and they are saved there with the drawing.</source>
        <comment>%1 the gallery folder, %2 the reason. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>Die Zeichnungen können nicht abgelegt werden in
%1

%2

und auch nicht in Pintaloos eigenem Ordner. Sie bleiben nur erhalten, solange Pintaloo offen ist: Drücke auf Speichern und wähle einen Ordner, dann werden sie dort mit der Zeichnung gespeichert.</translation>
    </message>
    <message>
        <source>Pintaloo keeps at most %1 drawings in memory, so the oldest of them is gone. Press Save and choose a folder to keep the others.</source>
        <comment>%1 a number, 30 or so. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>Pintaloo behält höchstens %1 Zeichnungen im Speicher, darum ist die älteste davon verloren. Drücke auf Speichern und wähle einen Ordner, um die anderen zu behalten.</translation>
    </message>
    <message>
        <source>Drawings kept only in memory, because no folder would take them: %1.

They are lost when Pintaloo closes. Save them now into a folder you choose?</source>
        <comment>%1 a number. A question: yes opens the save dialog.</comment>
        <translation>Zeichnungen, die nur im Speicher sind, weil kein Ordner sie angenommen hat: %1.

Sie gehen verloren, wenn Pintaloo sich schließt. Jetzt in einem Ordner deiner Wahl speichern?</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Dateien des Typs:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Übergeordnetes Verzeichnis</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neues Verzeichnis</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mein Computer</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Zuletzt besucht</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits.
Soll sie überschrieben werden?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Einstellungen &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Einstellungen &lt;&lt; </translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokale Datei</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF-Datei schreiben</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>Anzahl Exemplare</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Anzahl Exemplare:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Bereich drucken</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Alles drucken</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Seiten von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Farbmodus</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Ausgabe&amp;datei:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Drawing paper: %1</source>
        <comment>What a screen reader says of the page; %1 is the chosen tool.</comment>
        <translation>Malblatt: %1</translation>
    </message>
    <message>
        <source>Stamp %1</source>
        <comment>Screen reader: a stamp in the stamp box; %1 counts from 1.</comment>
        <translation>Stempel %1</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <comment>Screen reader: a brush in the brush box; %1 counts from 1.</comment>
        <translation>Muster %1</translation>
    </message>
    <message>
        <source>Stamp group %1</source>
        <comment>Screen reader: a group of stamps; %1 counts from 1.</comment>
        <translation>Stempelgruppe %1</translation>
    </message>
    <message>
        <source>Animation %1</source>
        <comment>Screen reader: one of the short cartoons; %1 counts from 1.</comment>
        <translation>Trickfilm %1</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <comment>Screen reader: the big box showing the chosen colour, which plays a cartoon when pressed.</comment>
        <translation>Zeichentrickfilme</translation>
    </message>
    <message>
        <source>Take this page</source>
        <comment>Screen reader: the big colouring page in its panel; pressing it takes the page.</comment>
        <translation>Nimm diese Seite</translation>
    </message>
    <message>
        <source>Next drawing</source>
        <comment>Screen reader: arrow to the next colouring page or drawing.</comment>
        <translation>Nächste Zeichnung</translation>
    </message>
    <message>
        <source>Previous drawing</source>
        <comment>Screen reader: arrow to the previous colouring page or drawing.</comment>
        <translation>Vorherige Zeichnung</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Children</source>
        <comment>Title of the grown-up&apos;s settings page that lists the children who share this computer.</comment>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>With two or more children, each one presses their own picture at the start and keeps their own drawings.</source>
        <comment>The line at the top of the grown-up&apos;s settings page for the children.</comment>
        <translation>Bei zwei oder mehr Kindern drückt jedes Kind am Anfang auf sein eigenes Bild und behält seine eigenen Zeichnungen.</translation>
    </message>
    <message>
        <source>Child&apos;s name</source>
        <comment>Label of the field where a grown-up writes a child&apos;s name.</comment>
        <translation>Name des Kindes</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <comment>Tooltip of the button that opens the grid of pictures a child can have as their own.</comment>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>Button on the grown-up&apos;s settings page that adds a row for one more child.</comment>
        <translation>Kind hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>Button that removes a child from the list (their drawings stay where they are).</comment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <comment>Button that moves a child one place up the list.</comment>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <comment>Button that moves a child one place down the list.</comment>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Pintaloo needs a graphical desktop (X11 or Wayland), and none could be opened here.</source>
        <comment>Printed on the terminal when Pintaloo is started without a graphical desktop.</comment>
        <translation>Pintaloo braucht eine grafische Arbeitsumgebung (X11 oder Wayland), und hier ließ sich keine öffnen.</translation>
    </message>
    <message>
        <source>Pintaloo is already open, but its window could not be brought to the front. Look for it on the task bar, or close it and start Pintaloo again.</source>
        <comment>Printed on the terminal, and shown in a message box, when Pintaloo is started while another Pintaloo runs and that one could not be asked to show its window.</comment>
        <translation>Pintaloo ist schon geöffnet, aber sein Fenster ließ sich nicht nach vorne holen. Such es in der Taskleiste, oder schließ es und starte Pintaloo neu.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wait...</source>
        <comment>Shown over the page while the oil painting is being made.</comment>
        <translation>Warte...</translation>
    </message>
    <message>
        <source>Select a drawing</source>
        <comment>Title of the panel that leafs through the colouring pages. Speak to a child (informal you).</comment>
        <translation>Wähl eine Zeichnung</translation>
    </message>
    <message>
        <source>Close me</source>
        <comment>Tooltip of the window&apos;s close button, spoken by the window itself.</comment>
        <translation>Schließ mich</translation>
    </message>
    <message>
        <source>Minimize me</source>
        <comment>Tooltip of the window&apos;s minimise button, spoken by the window itself.</comment>
        <translation>Mach mich klein</translation>
    </message>
    <message>
        <source>New page</source>
        <comment>Tooltip: starts again on a clean white page.</comment>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <source>New coloring page</source>
        <comment>Tooltip: opens the panel of colouring pages.</comment>
        <translation>Neue Malvorlage</translation>
    </message>
    <message>
        <source>Save drawing</source>
        <comment>Tooltip of the save button, and the save dialog&apos;s title.</comment>
        <translation>Speichere die Zeichnung</translation>
    </message>
    <message>
        <source>Help/About</source>
        <comment>Tooltip of the help button, and the help window&apos;s title.</comment>
        <translation>Hilfe/Über Pintaloo</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>Tool: a crayon that blends into the paint under it.</comment>
        <translation>Buntstift</translation>
    </message>
    <message>
        <source>Models brush</source>
        <comment>Tool: opens a box of patterned and picture brushes (rings, stars, grass...).</comment>
        <translation>Musterpinsel</translation>
    </message>
    <message>
        <source>Stamp brush</source>
        <comment>Tool: opens the stamps (animals, cars, flowers...).</comment>
        <translation>Stempelpinsel</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radiergummi</translation>
    </message>
    <message>
        <source>Oil drawing</source>
        <comment>Tool: turns the whole picture into an oil painting.</comment>
        <translation>Ölgemälde</translation>
    </message>
    <message>
        <source>Fill with color</source>
        <comment>Tool: a paint pot that fills an area.</comment>
        <translation>Füll mit Farbe</translation>
    </message>
    <message>
        <source>Brush size</source>
        <comment>Tooltip of the four bars that choose how thick the brush is.</comment>
        <translation>Pinselgröße</translation>
    </message>
    <message>
        <source>Select the color</source>
        <comment>Tooltip of each of the 24 colour swatches.</comment>
        <translation>Wähl die Farbe</translation>
    </message>
    <message>
        <source>Open a drawing</source>
        <comment>Caption in the colouring-page panel, and the open dialog&apos;s title.</comment>
        <translation>Öffne eine Zeichnung</translation>
    </message>
    <message>
        <source>Pintaloo %1 · help and about</source>
        <comment>The line at the foot of the window; %1 is the version number. Clicking it opens the help.</comment>
        <translation>Pintaloo %1 · Hilfe und Info</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Tooltip: take back the last thing painted.</comment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Tooltip: bring back what Undo took.</comment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <comment>Tooltip of the button that turns the sounds off and on.</comment>
        <translation>Ton an/aus</translation>
    </message>
    <message>
        <source>Full screen</source>
        <comment>Name of the full-screen switch (F11); read by screen readers.</comment>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <comment>Tooltip of the round close button on a panel (stamps, brushes, pages).</comment>
        <translation>Schließ dieses Feld</translation>
    </message>
    <message>
        <source>Watch it again</source>
        <comment>Button: plays the drawing again from the first stroke, like a film.</comment>
        <translation>Schau es dir noch mal an</translation>
    </message>
    <message>
        <source>Save the film</source>
        <comment>Button: saves that film as an animated picture. Also the film&apos;s proposed file name.</comment>
        <translation>Speichere den Film</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Button: stops the film.</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>My drawings</source>
        <comment>Button and panel title: the child&apos;s gallery of drawings Pintaloo kept.</comment>
        <translation>Meine Bilder</translation>
    </message>
    <message>
        <source>Show them all</source>
        <comment>Button: shows all the drawings one after another, full screen.</comment>
        <translation>Zeig sie alle</translation>
    </message>
    <message>
        <source>Put this drawing in the trash (press twice)</source>
        <comment>Tooltip of the bin under each drawing in the gallery.</comment>
        <translation>Wirf diese Zeichnung in den Papierkorb (drück zweimal)</translation>
    </message>
    <message>
        <source>Really?</source>
        <comment>The bin&apos;s caption after its first press; a second press removes the drawing.</comment>
        <translation>Wirklich?</translation>
    </message>
    <message>
        <source>Magic</source>
        <comment>Tool: opens a box of magic brushes and magic tricks for the whole picture.</comment>
        <translation>Zauberei</translation>
    </message>
    <message>
        <source>Mirror Paint</source>
        <comment>A magic brush: a crayon whose line is copied, mirrored, on the other half of the picture.</comment>
        <translation>Spiegelmalen</translation>
    </message>
    <message>
        <source>Mirror Paint: draw on one side and the other side copies you, like a mirror.</source>
        <comment>The help line of the mirror painting brush, read aloud to a child.</comment>
        <translation>Spiegelmalen: Mal auf einer Seite, und die andere Seite macht es dir nach wie ein Spiegel.</translation>
    </message>
    <message>
        <source>Four Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied four times, mirrored into each corner.</comment>
        <translation>Vier Spiegel</translation>
    </message>
    <message>
        <source>Four Mirrors: your drawing appears four times, once in each corner.</source>
        <comment>The help line of the four-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Vier Spiegel: Dein Bild erscheint viermal, einmal in jeder Ecke.</translation>
    </message>
    <message>
        <source>Eight Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied eight times around the middle, like a kaleidoscope.</comment>
        <translation>Acht Spiegel</translation>
    </message>
    <message>
        <source>Eight Mirrors: your drawing appears eight times around the middle, like a snowflake.</source>
        <comment>The help line of the eight-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Acht Spiegel: Dein Bild erscheint achtmal rund um die Mitte, wie eine Schneeflocke.</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>A magic brush that draws grainy lines like a stick of chalk.</comment>
        <translation>Kreide</translation>
    </message>
    <message>
        <source>Chalk: draw dusty, bumpy lines like chalk on the pavement.</source>
        <comment>The help line of the chalk brush, read aloud to a child.</comment>
        <translation>Kreide: Mal staubige, holprige Striche wie mit Kreide auf dem Gehweg.</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <comment>A magic brush that scatters little twinkling stars along the line.</comment>
        <translation>Glitzersterne</translation>
    </message>
    <message>
        <source>Sparkles: draw a trail of twinkling stars.</source>
        <comment>The help line of the sparkles brush, read aloud to a child.</comment>
        <translation>Glitzersterne: Mal eine Spur aus funkelnden Sternen.</translation>
    </message>
    <message>
        <source>Blur</source>
        <comment>A magic brush that makes the paint soft and fuzzy.</comment>
        <translation>Verwischen</translation>
    </message>
    <message>
        <source>Blur: paint over your picture to make it soft and dreamy.</source>
        <comment>The help line of the blur brush, read aloud to a small child.</comment>
        <translation>Verwischen: Mal über dein Bild, dann wird es weich und verträumt.</translation>
    </message>
    <message>
        <source>Smudge</source>
        <comment>A magic brush that drags the paint along like a wet finger.</comment>
        <translation>Verschmieren</translation>
    </message>
    <message>
        <source>Smudge: push the paint around like a wet finger.</source>
        <comment>The help line of the smudge brush, read aloud to a small child.</comment>
        <translation>Verschmieren: Schieb die Farbe herum wie mit einem nassen Finger.</translation>
    </message>
    <message>
        <source>Tint</source>
        <comment>A magic brush that colours the paint under it with the chosen colour, keeping its light and dark parts.</comment>
        <translation>Einfärben</translation>
    </message>
    <message>
        <source>Tint: give your painting a new color and keep its light and dark.</source>
        <comment>The help line of the tint brush, read aloud to a small child.</comment>
        <translation>Einfärben: Gib deinem Bild eine neue Farbe, Hell und Dunkel bleiben.</translation>
    </message>
    <message>
        <source>Lighten</source>
        <comment>A magic brush that makes the paint paler with each stroke.</comment>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Lighten: paint over colors to make them lighter.</source>
        <comment>The help line of the lighten brush, read aloud to a small child.</comment>
        <translation>Aufhellen: Mal über die Farben, dann werden sie heller.</translation>
    </message>
    <message>
        <source>Darken</source>
        <comment>A magic brush that makes the paint deeper with each stroke.</comment>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Darken: paint over colors to make them darker.</source>
        <comment>The help line of the darken brush, read aloud to a small child.</comment>
        <translation>Abdunkeln: Mal über die Farben, dann werden sie dunkler.</translation>
    </message>
    <message>
        <source>Opposite</source>
        <comment>A magic brush that turns colours into their opposites, like a photo negative: white becomes black, yellow becomes blue.</comment>
        <translation>Gegenfarben</translation>
    </message>
    <message>
        <source>Opposite: turn colors into their opposites, light into dark.</source>
        <comment>The help line of the negative brush, read aloud to a small child.</comment>
        <translation>Gegenfarben: Mach aus Farben ihr Gegenteil, aus Hell wird Dunkel.</translation>
    </message>
    <message>
        <source>Upside down</source>
        <comment>A magic effect that turns the whole picture upside down at one press.</comment>
        <translation>Auf den Kopf</translation>
    </message>
    <message>
        <source>Upside down: press to turn your whole picture upside down.</source>
        <comment>Help line of the upside-down magic effect, read aloud to a young child.</comment>
        <translation>Auf den Kopf: Drück hier, um dein ganzes Bild auf den Kopf zu stellen.</translation>
    </message>
    <message>
        <source>Swap sides</source>
        <comment>A magic effect that turns the whole picture around, left to right, at one press.</comment>
        <translation>Seiten tauschen</translation>
    </message>
    <message>
        <source>Swap sides: press to turn your picture around, left to right.</source>
        <comment>Help line of the swap-sides magic effect, read aloud to a young child.</comment>
        <translation>Seiten tauschen: Drück hier, um dein Bild von links nach rechts umzudrehen.</translation>
    </message>
    <message>
        <source>Snow</source>
        <comment>A magic effect that lets snowflakes fall all over the picture at one press.</comment>
        <translation>Schnee</translation>
    </message>
    <message>
        <source>Snow: press to make snowflakes fall all over your picture.</source>
        <comment>Help line of the snow magic effect, read aloud to a young child.</comment>
        <translation>Schnee: Drück hier, und Schneeflocken fallen auf dein ganzes Bild.</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <comment>A magic effect that shows the picture through big round soap bubbles.</comment>
        <translation>Seifenblasen</translation>
    </message>
    <message>
        <source>Bubbles: press to see your picture through soap bubbles.</source>
        <comment>Help line of the bubbles magic effect, read aloud to a young child.</comment>
        <translation>Seifenblasen: Drück hier, um dein Bild durch Seifenblasen anzuschauen.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>A magic effect that turns the whole picture into little square tiles, as a mosaic.</comment>
        <translation>Klötzchen</translation>
    </message>
    <message>
        <source>Blocks: press to make your picture out of little squares.</source>
        <comment>Help line of the blocks (mosaic) magic effect, read aloud to a young child.</comment>
        <translation>Klötzchen: Drück hier, um dein Bild aus kleinen Quadraten zu bauen.</translation>
    </message>
    <message>
        <source>Shapes and lines</source>
        <comment>Tool: opens a box of shapes (circle, square, star, heart...) and a straight line, which the child drags out to size.</comment>
        <translation>Formen und Linien</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>Tool: write words on the picture, with the keyboard or big letter buttons.</comment>
        <translation>Buchstaben</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>A shape tool: a round circle, dragged out from its middle.</comment>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Circle: press for the middle and pull out a round circle.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Kreis: Drück für die Mitte und zieh einen runden Kreis auf.</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>A shape tool: an oval, dragged out from its middle, as wide and tall as you pull.</comment>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Oval: press for the middle and pull out an egg shape, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Eiform: Drück für die Mitte und zieh ein Oval auf, lang oder hoch.</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>A shape tool: a square, dragged out from its middle.</comment>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Square: press for the middle and pull out a square.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Quadrat: Drück für die Mitte und zieh ein Quadrat auf.</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>A shape tool: a box, dragged out from its middle to a corner.</comment>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Rectangle: press for the middle and pull a corner out, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Rechteck: Drück für die Mitte und zieh eine Ecke heraus, lang oder hoch.</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>A shape tool: a triangle standing on its base, dragged out from its middle.</comment>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Triangle: press for the middle and pull out a triangle like a little roof.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Dreieck: Drück für die Mitte und zieh ein Dreieck auf, wie ein kleines Dach.</translation>
    </message>
    <message>
        <source>Star</source>
        <comment>A shape tool: a five-pointed star, dragged out from its middle.</comment>
        <translation>Stern</translation>
    </message>
    <message>
        <source>Star: press for the middle and pull out a big star.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Stern: Drück für die Mitte und zieh einen großen Stern auf.</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>A shape tool: a heart, dragged out from its middle.</comment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Heart: press for the middle and pull out a heart.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Herz: Drück für die Mitte und zieh ein Herz auf.</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>A shape tool: a diamond (a square standing on its corner), dragged out from its middle.</comment>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Diamond: press for the middle and pull out a diamond, like a kite.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Raute: Drück für die Mitte und zieh eine Raute auf, wie einen Drachen.</translation>
    </message>
    <message>
        <source>Straight line</source>
        <comment>A shape tool: a straight line drawn with the crayon, from where you press to where you let go.</comment>
        <translation>Gerade Linie</translation>
    </message>
    <message>
        <source>Straight line: press where it starts and let go where it ends.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Gerade Linie: Drück, wo sie anfängt, und lass los, wo sie aufhört.</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>A key of the on-screen letter board: a gap between two words.</comment>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Take back a letter</source>
        <comment>A key of the on-screen letter board that removes the last letter written.</comment>
        <translation>Einen Buchstaben zurücknehmen</translation>
    </message>
    <message>
        <source>Put the word on the page</source>
        <comment>A key of the on-screen letter board that ends the word and leaves it on the drawing.</comment>
        <translation>Das Wort aufs Blatt setzen</translation>
    </message>
    <message>
        <source>Letters: press on the page where your word goes, then press the big letters.</source>
        <comment>What the on-screen letter board is for, read aloud to a young child.</comment>
        <translation>Buchstaben: Drück auf das Blatt, wo dein Wort hin soll, dann drück die großen Buchstaben.</translation>
    </message>
    <message>
        <source>More colors: the rainbow</source>
        <comment>Tooltip and screen-reader name of the little rainbow under the chosen colour: it opens a big field of every colour.</comment>
        <translation>Mehr Farben: der Regenbogen</translation>
    </message>
    <message>
        <source>Rainbow: press a color</source>
        <comment>Screen-reader name of the big field of colours; a press or a drag on it chooses the colour there. Speak to a child (informal you).</comment>
        <translation>Regenbogen: drück auf eine Farbe</translation>
    </message>
    <message>
        <source>Dropper: take a color from your picture</source>
        <comment>Tooltip of the dropper button: the next press on the picture takes the colour there. Speak to a child (informal you).</comment>
        <translation>Pipette: nimm eine Farbe aus deinem Bild</translation>
    </message>
    <message>
        <source>Close the rainbow</source>
        <comment>Tooltip of the button that closes the big field of colours.</comment>
        <translation>Regenbogen schließen</translation>
    </message>
    <message>
        <source>Animals</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;animals&apos;.</comment>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Clothes</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;clothes&apos;.</comment>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Food</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;food&apos;.</comment>
        <translation>Essen</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;hobbies&apos;.</comment>
        <translation>Hobbys</translation>
    </message>
    <message>
        <source>At home</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;household&apos;.</comment>
        <translation>Zu Hause</translation>
    </message>
    <message>
        <source>Doctor and nurse</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;medical&apos;.</comment>
        <translation>Arzt und Krankenschwester</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;military&apos;.</comment>
        <translation>Soldaten</translation>
    </message>
    <message>
        <source>Weather and nature</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;naturalforces&apos;.</comment>
        <translation>Wetter und Natur</translation>
    </message>
    <message>
        <source>People</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;people&apos;.</comment>
        <translation>Menschen</translation>
    </message>
    <message>
        <source>Plants</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;plants&apos;.</comment>
        <translation>Pflanzen</translation>
    </message>
    <message>
        <source>Holidays and seasons</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;seasonal&apos;.</comment>
        <translation>Feste und Jahreszeiten</translation>
    </message>
    <message>
        <source>Stars and planets</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;space&apos;.</comment>
        <translation>Sterne und Planeten</translation>
    </message>
    <message>
        <source>Sports</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;sports&apos;.</comment>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Signs and symbols</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;symbols&apos;.</comment>
        <translation>Zeichen und Symbole</translation>
    </message>
    <message>
        <source>Town</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;town&apos;.</comment>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;vehicles&apos;.</comment>
        <translation>Fahrzeuge</translation>
    </message>
    <message>
        <source>Other stamps</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing): the stamps found directly in a stamp collection&apos;s folder, not in a theme.</comment>
        <translation>Andere Stempel</translation>
    </message>
    <message>
        <source>All the stamps</source>
        <comment>Title of the big stamp browser while it shows the groups of stamps. Speak to a child (informal you).</comment>
        <translation>Alle Stempel</translation>
    </message>
    <message>
        <source>More stamps</source>
        <comment>Tooltip of the big button in the stamps panel that opens the browser of many more stamps. Speak to a child (informal you).</comment>
        <translation>Mehr Stempel</translation>
    </message>
    <message>
        <source>Small stamps</source>
        <comment>Tooltip of the button that makes stamps small. Speak to a child (informal you).</comment>
        <translation>Kleine Stempel</translation>
    </message>
    <message>
        <source>Middle-sized stamps</source>
        <comment>Tooltip of the button that makes stamps their usual, middle size. Speak to a child (informal you).</comment>
        <translation>Mittelgroße Stempel</translation>
    </message>
    <message>
        <source>Big stamps</source>
        <comment>Tooltip of the button that makes stamps big. Speak to a child (informal you).</comment>
        <translation>Große Stempel</translation>
    </message>
    <message>
        <source>Giant stamps</source>
        <comment>Tooltip of the button that makes stamps very big. Speak to a child (informal you).</comment>
        <translation>Riesige Stempel</translation>
    </message>
    <message>
        <source>Turn the stamp left to right</source>
        <comment>Tooltip of the button that mirrors the stamp (left becomes right). Speak to a child (informal you).</comment>
        <translation>Dreh den Stempel nach links oder rechts</translation>
    </message>
    <message>
        <source>Turn the stamp upside down</source>
        <comment>Tooltip of the button that flips the stamp upside down. Speak to a child (informal you).</comment>
        <translation>Stell den Stempel auf den Kopf</translation>
    </message>
    <message>
        <source>Back to all the stamps</source>
        <comment>Tooltip of the button in the stamp browser that goes back from one group to all the groups. Speak to a child (informal you).</comment>
        <translation>Zurück zu allen Stempeln</translation>
    </message>
    <message>
        <source>Close the stamps</source>
        <comment>Tooltip of the button that closes the big stamp browser. Speak to a child (informal you).</comment>
        <translation>Stempel schließen</translation>
    </message>
    <message>
        <source>Stamps before</source>
        <comment>Tooltip of the arrow that shows the page of stamps before this one. Speak to a child (informal you).</comment>
        <translation>Stempel davor</translation>
    </message>
    <message>
        <source>More stamps after</source>
        <comment>Tooltip of the arrow that shows the next page of stamps. Speak to a child (informal you).</comment>
        <translation>Weitere Stempel</translation>
    </message>
    <message>
        <source>All the pages</source>
        <comment>Tooltip of the button that shows every colouring page at once as little pictures, and the title of that panel.</comment>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>Color this page</source>
        <comment>Tooltip and screen-reader name of one little picture of a colouring page: a press puts it on the canvas. Speak to a child (informal you).</comment>
        <translation>Mal diese Seite aus</translation>
    </message>
    <message>
        <source>Paper to paint on</source>
        <comment>Tooltip of the button that offers coloured paper and background pictures for a new page, and the title of that panel.</comment>
        <translation>Papier zum Malen</translation>
    </message>
    <message>
        <source>Start on this paper</source>
        <comment>Tooltip and screen-reader name of one coloured paper or background picture: a press starts a new page on it. Speak to a child (informal you).</comment>
        <translation>Auf diesem Papier anfangen</translation>
    </message>
    <message>
        <source>Close: only with a grown-up</source>
        <comment>Tooltip and screen-reader name of the window&apos;s close button when the school has locked closing: a grown-up must answer a question first.</comment>
        <translation>Schließen: nur mit einem Erwachsenen</translation>
    </message>
    <message>
        <source>Who is painting?</source>
        <comment>The friendly question over the big pictures of the children who share the computer, read aloud to a young child at the start.</comment>
        <translation>Wer malt jetzt?</translation>
    </message>
    <message>
        <source>Another child&apos;s turn</source>
        <comment>Tooltip of the small picture of the child painting now, in the window&apos;s corner: a press lets another child choose their picture.</comment>
        <translation>Ein anderes Kind ist dran</translation>
    </message>
    <message>
        <source>Collect the drawings</source>
        <comment>The grown-up&apos;s settings page that gathers a span of days of drawings into files; its name on the window&apos;s side.</comment>
        <translation>Zeichnungen sammeln</translation>
    </message>
    <message>
        <source>Whose drawings?</source>
        <comment>Label of the choice of child whose drawings are collected (or everyone).</comment>
        <translation>Wessen Zeichnungen?</translation>
    </message>
    <message>
        <source>Everyone</source>
        <comment>The choice that collects the drawings of every child.</comment>
        <translation>Alle Kinder</translation>
    </message>
    <message>
        <source>All the drawings</source>
        <comment>Shown instead of a choice of child when the account has no children named.</comment>
        <translation>Alle Zeichnungen</translation>
    </message>
    <message>
        <source>From</source>
        <comment>Label of the first day of the span of days collected.</comment>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <comment>Label of the last day of the span of days collected (included).</comment>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Pictures in a folder</source>
        <comment>One of three big choices: each drawing as a PNG file in a folder.</comment>
        <translation>Bilder in einem Ordner</translation>
    </message>
    <message>
        <source>A booklet to print</source>
        <comment>One of three big choices: one PDF file, a page a drawing, to print.</comment>
        <translation>Ein Heft zum Drucken</translation>
    </message>
    <message>
        <source>A film</source>
        <comment>One of three big choices: one animated picture showing the drawings one after another.</comment>
        <translation>Ein Film</translation>
    </message>
    <message>
        <source>Seconds for each picture</source>
        <comment>Label of the film&apos;s speed: how long each drawing is shown.</comment>
        <translation>Sekunden pro Bild</translation>
    </message>
    <message>
        <source>A cover page for each child</source>
        <comment>Check box: the booklet starts each child&apos;s drawings with a page showing the child&apos;s name.</comment>
        <translation>Ein Deckblatt für jedes Kind</translation>
    </message>
    <message>
        <source>A cover page</source>
        <comment>Check box: the booklet starts with a page showing the span of days (no children named).</comment>
        <translation>Ein Deckblatt</translation>
    </message>
    <message>
        <source>Make it</source>
        <comment>The big button that starts making the pictures, booklet or film.</comment>
        <translation>Los geht&apos;s</translation>
    </message>
    <message>
        <source>Stop making it</source>
        <comment>The big button while the work runs: stops it.</comment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Our drawings</source>
        <comment>Title of a booklet&apos;s cover page (and of the booklet) when no child is named.</comment>
        <translation>Unsere Zeichnungen</translation>
    </message>
    <message>
        <source>Where should the pictures go?</source>
        <comment>Title of the dialog choosing the folder for the PNG files (a new folder name may be typed).</comment>
        <translation>Wohin sollen die Bilder?</translation>
    </message>
    <message>
        <source>Where should the booklet go?</source>
        <comment>Title of the dialog choosing the booklet&apos;s PDF file.</comment>
        <translation>Wohin soll das Heft?</translation>
    </message>
    <message>
        <source>Where should the film go?</source>
        <comment>Title of the dialog choosing the film&apos;s file.</comment>
        <translation>Wohin soll der Film?</translation>
    </message>
    <message>
        <source>Drawings put in the folder: %1</source>
        <comment>The result line after making the pictures; %1 how many.</comment>
        <translation>Zeichnungen im Ordner: %1</translation>
    </message>
    <message>
        <source>Drawings put in the booklet: %1</source>
        <comment>The result line after making the booklet; %1 how many.</comment>
        <translation>Zeichnungen im Heft: %1</translation>
    </message>
    <message>
        <source>Drawings put in the film: %1</source>
        <comment>The result line after making the film; %1 how many.</comment>
        <translation>Zeichnungen im Film: %1</translation>
    </message>
    <message>
        <source>There are no drawings on those days.</source>
        <comment>The result line when the span of days holds no drawing: nothing was made.</comment>
        <translation>An diesen Tagen gibt es keine Zeichnungen.</translation>
    </message>
    <message>
        <source>Stopped: nothing more was made.</source>
        <comment>The result line after the grown-up pressed Stop.</comment>
        <translation>Angehalten: Es wurde nichts weiter gemacht.</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <comment>The result line when the file or folder could not be written; %1 the system&apos;s reason.</comment>
        <translation>Das konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Drawings that could not be read, left out: %1</source>
        <comment>A second result line: files the program refused to read (damaged or too large); %1 how many.</comment>
        <translation>Nicht lesbare Zeichnungen, weggelassen: %1</translation>
    </message>
    <message>
        <source>Too many drawings, left out: %1</source>
        <comment>A second result line: drawings past the most one collection takes; %1 how many.</comment>
        <translation>Zu viele Zeichnungen, weggelassen: %1</translation>
    </message>
</context>
</TS>
