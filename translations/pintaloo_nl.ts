<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Colours</name>
    <message>
        <source>Red</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Oranje</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Turkoois</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Paars</translation>
    </message>
    <message>
        <source>Pink</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Roze</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Bruin</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Grijs</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Pictures</source>
        <comment>File type in the open dialog: every kind of picture.</comment>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>Windows Bitmap</source>
        <comment>File type name in the file dialogs (.bmp).</comment>
        <translation>Windows-bitmap</translation>
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
        <translation>WebP-filmpje</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Drawing</source>
        <comment>The word a kept drawing&apos;s file name begins with, before the date: &apos;Drawing 2026-12-09 17.32.png&apos;. No &apos;:&apos; or &apos;/&apos;.</comment>
        <translation>Tekening</translation>
    </message>
</context>
<context>
    <name>GrownUp</name>
    <message>
        <source>For grown-ups</source>
        <comment>Title of the small window that asks a sum only a grown-up can answer, before the grown-up&apos;s settings open.</comment>
        <translation>Voor volwassenen</translation>
    </message>
    <message>
        <source>Only a grown-up can open this. What is the answer?</source>
        <comment>Above a sum such as 7 × 6 =, with number keys below. Addressed to the adult.</comment>
        <translation>Alleen een volwassene kan dit openen. Wat is het antwoord?</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>Button that gives the typed answer to the sum.</comment>
        <translation>Antwoorden</translation>
    </message>
    <message>
        <source>Not now</source>
        <comment>Button that closes the question without opening anything.</comment>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Erase the last digit</source>
        <comment>Tooltip and screen-reader name of the backspace key beside the number keys.</comment>
        <translation>Laatste cijfer wissen</translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <comment>Shown for a few seconds after three wrong answers in a row, while the number keys are off.</comment>
        <translation>Wacht even en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <comment>Title of the grown-up&apos;s settings window.</comment>
        <translation>Instellingen voor volwassenen</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Button that closes the grown-up&apos;s settings window; every change is already kept.</comment>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>A page of the grown-up&apos;s settings, shown beside its picture in the side list.</comment>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>A page of the grown-up&apos;s settings: the language of the window.</comment>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Screen</source>
        <comment>A page of the grown-up&apos;s settings: full screen or a window.</comment>
        <translation>Scherm</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>A page of the grown-up&apos;s settings: what the program shows when it starts.</comment>
        <translation>Opstarten</translation>
    </message>
    <message>
        <source>Drawings</source>
        <comment>A page of the grown-up&apos;s settings: the folder where the child&apos;s drawings are kept.</comment>
        <translation>Tekeningen</translation>
    </message>
    <message>
        <source>Switches</source>
        <comment>A page of the grown-up&apos;s settings: scanning for children who use one or two accessibility switches.</comment>
        <translation>Schakelaars</translation>
    </message>
    <message>
        <source>Lock-down</source>
        <comment>A page of the grown-up&apos;s settings: things a child must not do (quit, print, file dialogs, leave full screen).</comment>
        <translation>Vergrendeling</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <comment>Beside a big on-off switch: sounds on or off.</comment>
        <translation>Geluiden afspelen</translation>
    </message>
    <message>
        <source>Fill the whole screen</source>
        <comment>Beside a big on-off switch: full screen.</comment>
        <translation>Het hele scherm vullen</translation>
    </message>
    <message>
        <source>When the program starts, show:</source>
        <comment>Above two big choices: the last drawing, or a blank page.</comment>
        <translation>Bij het starten van het programma tonen:</translation>
    </message>
    <message>
        <source>The last drawing</source>
        <comment>One of two choices: start with the drawing the child left last time.</comment>
        <translation>De laatste tekening</translation>
    </message>
    <message>
        <source>A blank page</source>
        <comment>One of two choices: start on a blank page (the last drawing is kept in the gallery).</comment>
        <translation>Een leeg blad</translation>
    </message>
    <message>
        <source>Drawings are kept in this folder:</source>
        <comment>Above the path of the folder where the child&apos;s drawings are saved.</comment>
        <translation>De tekeningen staan in deze map:</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <comment>Button that opens the desktop&apos;s folder dialog to pick where drawings are kept; also its title.</comment>
        <translation>Map kiezen</translation>
    </message>
    <message>
        <source>Back to the usual folder</source>
        <comment>Button that forgets the chosen folder: drawings go to the usual Pictures folder again.</comment>
        <translation>Terug naar de gewone map</translation>
    </message>
    <message>
        <source>Switch scanning: seconds between steps</source>
        <comment>Above the choices Off, 1, 2, 3, 4, 5: how fast the highlight moves for a child using switches.</comment>
        <translation>Scannen met schakelaars: seconden per stap</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>The first of the scanning choices: no scanning.</comment>
        <translation>Uit</translation>
    </message>
    <message>
        <source>How many switches?</source>
        <comment>Above the choices One switch / Two switches.</comment>
        <translation>Hoeveel schakelaars?</translation>
    </message>
    <message>
        <source>One switch</source>
        <comment>Scanning choice: one switch (the highlight moves by itself).</comment>
        <translation>Eén schakelaar</translation>
    </message>
    <message>
        <source>Two switches</source>
        <comment>Scanning choice: two switches (one moves, one presses).</comment>
        <translation>Twee schakelaars</translation>
    </message>
    <message>
        <source>Closing asks the grown-up question</source>
        <comment>Beside an on-off switch: closing the program first asks the sum only a grown-up answers.</comment>
        <translation>Sluiten stelt de vraag voor volwassenen</translation>
    </message>
    <message>
        <source>No printing</source>
        <comment>Beside an on-off switch: the print button and Ctrl+P do nothing.</comment>
        <translation>Niet afdrukken</translation>
    </message>
    <message>
        <source>Open and save only in the child&apos;s own drawings</source>
        <comment>Beside an on-off switch: no file dialogs; opening and saving stay within the child&apos;s drawings.</comment>
        <translation>Openen en bewaren alleen in de eigen tekeningen</translation>
    </message>
    <message>
        <source>Always keep the full screen</source>
        <comment>Beside an on-off switch: full screen cannot be left (no Escape, no F11).</comment>
        <translation>Altijd volledig scherm houden</translation>
    </message>
    <message>
        <source>Set by your school</source>
        <comment>Beside a small padlock under a setting the school&apos;s system-wide file has locked: it cannot be changed here.</comment>
        <translation>Ingesteld door je school</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Pintaloo: help and about</source>
        <comment>The help window&apos;s page title.</comment>
        <translation>Pintaloo: hulp en info</translation>
    </message>
    <message>
        <source>A painting program for young children. Pick a colour, pick a tool and paint on the big white page with the mouse, a finger or a pen.</source>
        <translation>Een tekenprogramma voor jonge kinderen. Kies een kleur, kies een gereedschap en schilder op het grote witte blad met de muis, een vinger of een pen.</translation>
    </message>
    <message>
        <source>The buttons at the bottom</source>
        <comment>A heading.</comment>
        <translation>De knoppen onderaan</translation>
    </message>
    <message>
        <source>A crayon. Colouring over paint mixes the new colour in slowly. It never paints over the black lines of a colouring page.</source>
        <translation>Een waskrijtje. Als je over verf kleurt, mengt de nieuwe kleur er langzaam doorheen. Het kleurt nooit over de zwarte lijnen van een kleurplaat.</translation>
    </message>
    <message>
        <source>Opens the stamps: animals, vehicles, flowers, houses, suns, trees, clouds and people. Choose a group, then a picture, then press on the page. Stamps come out smaller near the top of the page, because things far away look small.</source>
        <translation>Opent de stempels: dieren, voertuigen, bloemen, huizen, zonnen, bomen, wolken en mensen. Kies een groep, dan een plaatje, en druk dan op het blad. Bovenaan het blad worden stempels kleiner, want dingen die ver weg zijn, lijken klein.</translation>
    </message>
    <message>
        <source>Fills an area with the colour you chose.</source>
        <translation>Vult een vlak met de kleur die je hebt gekozen.</translation>
    </message>
    <message>
        <source>Rubs paint away, but not the black lines of a colouring page.</source>
        <translation>Gumt verf weg, maar niet de zwarte lijnen van een kleurplaat.</translation>
    </message>
    <message>
        <source>Turns the whole picture into an oil painting.</source>
        <translation>Maakt van de hele tekening een olieverfschilderij.</translation>
    </message>
    <message>
        <source>Four bars, from thin to thick. The chosen bar shows your colour.</source>
        <translation>Vier balkjes, van dun naar dik. Het gekozen balkje toont jouw kleur.</translation>
    </message>
    <message>
        <source>The colours</source>
        <comment>A term in a list, like the button names around it.</comment>
        <translation>De kleuren</translation>
    </message>
    <message>
        <source>24 colours, each with its own little tune. The big box next to them shows your colour: press it to watch a short cartoon.</source>
        <translation>24 kleuren, elk met een eigen deuntje. Het grote vak ernaast toont jouw kleur: druk erop en je ziet een kort tekenfilmpje.</translation>
    </message>
    <message>
        <source>The buttons at the top</source>
        <comment>A heading.</comment>
        <translation>De knoppen bovenaan</translation>
    </message>
    <message>
        <source>Starts again on a clean white page. The drawing you had goes into My drawings.</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name: use the same words as its button.</comment>
        <translation>Begint opnieuw op een schoon wit blad. De tekening die je had, gaat naar Mijn tekeningen.</translation>
    </message>
    <message>
        <source>Leafs through 21 colouring pages. Press the big picture to colour it.</source>
        <translation>Bladert door 21 kleurplaten. Druk op de grote plaat om hem te kleuren.</translation>
    </message>
    <message>
        <source>In the colouring pages, opens a picture you saved before (BMP, JPEG or PNG).</source>
        <translation>Opent bij de kleurplaten een tekening die je eerder hebt opgeslagen (BMP, JPEG of PNG).</translation>
    </message>
    <message>
        <source>Saves your picture in your Pictures folder, or wherever you choose. A PNG picture keeps its film inside it.</source>
        <translation>Slaat je tekening op in je map Afbeeldingen, of waar je maar wilt. Een PNG-tekening bewaart ook haar filmpje.</translation>
    </message>
    <message>
        <source>Every drawing you leave for a new page is kept here, newest first. Press one to paint on it again, press the bin twice to throw it away, or watch them all one after another.</source>
        <translation>Elke tekening die je achterlaat voor een nieuw blad, wordt hier bewaard, de nieuwste eerst. Druk op een tekening om er verder aan te werken, druk twee keer op de prullenbak om hem weg te gooien, of bekijk ze allemaal na elkaar.</translation>
    </message>
    <message>
        <source>Take back the last thing you painted, and bring it back again.</source>
        <translation>Haal weg wat je het laatst hebt getekend, en zet het weer terug.</translation>
    </message>
    <message>
        <source>Prints your picture as big as the paper allows. You can also print to a PDF file.</source>
        <translation>Drukt je tekening af, zo groot als het papier toelaat. Je kunt ook afdrukken naar een PDF-bestand.</translation>
    </message>
    <message>
        <source>Turns the sounds and tunes off, and on again.</source>
        <translation>Zet de geluiden en deuntjes uit, en weer aan.</translation>
    </message>
    <message>
        <source>Opens this page.</source>
        <translation>Opent deze pagina.</translation>
    </message>
    <message>
        <source>The film</source>
        <comment>A heading: the drawing played again from its first stroke.</comment>
        <translation>Het filmpje</translation>
    </message>
    <message>
        <source>Pintaloo remembers how you painted your picture. This plays it again from the first stroke, like a film.</source>
        <translation>Pintaloo onthoudt hoe je je tekening hebt gemaakt. Dit speelt alles opnieuw af vanaf de eerste streep, als een filmpje.</translation>
    </message>
    <message>
        <source>Saves that film as a moving picture (WebP) you can show to others.</source>
        <translation>Slaat dat filmpje op als bewegend plaatje (WebP) dat je aan anderen kunt laten zien.</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>A heading.</comment>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Closes an open panel, and leaves full screen.</source>
        <translation>Sluit een open paneel en verlaat het volledige scherm.</translation>
    </message>
    <message>
        <source>Pintaloo fills the whole screen; press F11 or Esc again to go back.</source>
        <comment>Follows the name &apos;Full screen&apos;. Keep F11 and Esc as they are.</comment>
        <translation>Pintaloo vult het hele scherm; druk nog eens op F11 of Esc om terug te gaan.</translation>
    </message>
    <message>
        <source>Quit Pintaloo.</source>
        <translation>Sluit Pintaloo af.</translation>
    </message>
    <message>
        <source>Tab moves from button to button and Space presses one. On the page, the arrow keys move the brush and Space paints.</source>
        <comment>Keep Tab and Space as they are written on the keys.</comment>
        <translation>Met Tab ga je van knop naar knop en met Space druk je er een in. Op het blad bewegen de pijltjestoetsen het penseel en met Space schilder je.</translation>
    </message>
    <message>
        <source>About</source>
        <comment>A heading.</comment>
        <translation>Over Pintaloo</translation>
    </message>
    <message>
        <source>Pintaloo, version %1.</source>
        <comment>%1 is the version number.</comment>
        <translation>Pintaloo, versie %1.</translation>
    </message>
    <message>
        <source>Credits.</source>
        <translation>Makers.</translation>
    </message>
    <message>
        <source>Every picture, colouring page, sound and cartoon in Pintaloo was made for it by the Pintaloo team and is kept with the program&apos;s source. Pintaloo is built on Qt, SDL_mixer and rlottie.</source>
        <translation>Elk plaatje, elke kleurplaat, elk geluid en elk tekenfilmpje in Pintaloo is er speciaal voor gemaakt door het Pintaloo-team en wordt bewaard bij de broncode van het programma. Pintaloo is gebouwd op Qt, SDL_mixer en rlottie.</translation>
    </message>
    <message>
        <source>Licence.</source>
        <translation>Licentie.</translation>
    </message>
    <message>
        <source>Pintaloo is free software: its program code is under the GNU General Public License, version 3 or later (%1); its pictures, sounds, cartoons and colouring pages are under the Creative Commons Attribution-ShareAlike 4.0 licence (%2); its software-centre metadata is under %3. The full texts come with the program, on Debian in %4.</source>
        <comment>%1, %2 and %3 are the licences&apos; short names, %4 a folder.</comment>
        <translation>Pintaloo is vrije software: de programmacode valt onder de GNU General Public License, versie 3 of later (%1); de plaatjes, geluiden, tekenfilmpjes en kleurplaten vallen onder de licentie Creative Commons Attribution-ShareAlike 4.0 (%2); de metadata voor het softwarecentrum vallen onder %3. De volledige teksten worden met het programma meegeleverd, op Debian in %4.</translation>
    </message>
    <message>
        <source>For grown-ups.</source>
        <translation>Voor grote mensen.</translation>
    </message>
    <message>
        <source>Pintaloo speaks the language of your desktop when it knows it, and English otherwise. Start it with %1 to choose one of: %2. Pintaloo remembers it.</source>
        <comment>%1 is the option as typed (&apos;--lang CODE&apos;), %2 the list of codes.</comment>
        <translation>Pintaloo spreekt de taal van je bureaublad als het die kent, en anders Engels. Start het met %1 om een van deze talen te kiezen: %2. Pintaloo onthoudt je keuze.</translation>
    </message>
    <message>
        <source>Besides your pictures, Pintaloo keeps a few settings in %1: sound on or off, the language, full screen and the folder you last used.</source>
        <comment>%1 is a file.</comment>
        <translation>Naast je tekeningen bewaart Pintaloo een paar instellingen in %1: geluid aan of uit, de taal, volledig scherm en de map die je het laatst hebt gebruikt.</translation>
    </message>
    <message>
        <source>The drawing on the page is kept in %1 a moment after each change, so it comes back when Pintaloo starts again, even after a crash. Drawings left for a new page go into %2.</source>
        <comment>%1 and %2 are folders.</comment>
        <translation>De tekening op het blad wordt kort na elke verandering bewaard in %1, zodat ze terugkomt als Pintaloo opnieuw start, zelfs na een crash. Tekeningen die je voor een nieuw blad achterlaat, gaan naar %2.</translation>
    </message>
    <message>
        <source>For children who use one or two switches: start Pintaloo with %1 and the buttons light up one after another; %2 gives one switch to move and one to press.</source>
        <comment>%1 and %2 are options as typed.</comment>
        <translation>Voor kinderen die een of twee schakelaars gebruiken: start Pintaloo met %1 en de knoppen lichten een voor een op; %2 geeft één schakelaar om verder te gaan en één om te drukken.</translation>
    </message>
    <message>
        <source>Opens a box of %1 special brushes: rings, spray, dots, a rainbow ribbon, balls, a pen, daisies, stars, grass with flowers, splats, tiles, zigzags, bricks and more.</source>
        <comment>%1 is how many (17 or more).</comment>
        <translation>Opent een doos met %1 bijzondere penselen: ringen, spray, stippen, een regenbooglint, ballen, een pen, madeliefjes, sterren, gras met bloemen, spetters, tegels, zigzaggen, bakstenen en nog meer.</translation>
    </message>
    <message>
        <source>Opens a box of %1 kinds of magic: brushes that paint or change the paint under them, and tricks that change the whole picture at once.</source>
        <comment>%1 is how many (16 or more).</comment>
        <translation>Opent een doos met %1 soorten toverij: penselen die verven of de verf eronder veranderen, en trucs die de hele tekening in één keer veranderen.</translation>
    </message>
    <message>
        <source>A pen paints wider when you press harder, and thinner when you press lightly.</source>
        <comment>Follows the help page&apos;s first paragraph, which says a child can paint with a pen.</comment>
        <translation>Een pen schildert breder als je harder drukt, en dunner als je zachtjes drukt.</translation>
    </message>
    <message>
        <source>Opens the shapes and a straight line. Press where the middle of the shape goes and pull: the shape grows as you move, and stays on the page when you let go. Press the chosen shape in the box again to paint it filled in, or as an outline only.</source>
        <translation>Opent de vormen en een rechte lijn. Druk waar het midden van de vorm komt en trek: de vorm groeit mee terwijl je beweegt en blijft op het blad als je loslaat. Druk nog een keer op de gekozen vorm in de doos om hem ingekleurd te schilderen, of alleen de rand.</translation>
    </message>
    <message>
        <source>Writes a word on your drawing, such as your name. Press on the page where it goes, then type it on the keyboard or press the big letters on the board that opens. The arrow takes back a letter; the tick or Enter puts the word on the page in your colour, at the size of the bar you chose.</source>
        <translation>Schrijft een woord op je tekening, zoals je naam. Druk op het blad waar het moet komen, en typ het op het toetsenbord of druk op de grote letters van het bord dat opengaat. De pijl haalt een letter weg; het vinkje of Enter zet het woord op het blad in jouw kleur, zo groot als de balk die je koos.</translation>
    </message>
    <message>
        <source>Press the little rainbow under your colour to choose any colour at all. The dropper takes a colour from your picture.</source>
        <comment>Help page line about the field of every colour and the dropper, read aloud to a young child.</comment>
        <translation>Druk op de kleine regenboog onder je kleur om elke kleur te kiezen die je wilt. De pipet pakt een kleur uit je tekening.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Painting for Children</source>
        <comment>The launcher&apos;s generic name, shown under or beside &apos;Pintaloo&apos;.</comment>
        <translation>Tekenen voor kinderen</translation>
    </message>
    <message>
        <source>Paint with crayons, stamps and colouring pages</source>
        <comment>The launcher&apos;s tooltip.</comment>
        <translation>Teken met waskrijt, stempels en kleurplaten</translation>
    </message>
    <message>
        <source>paint;draw;crayon;colouring;stamps;children;kids;</source>
        <comment>Words a menu search finds Pintaloo by: separated and ended by &apos;;&apos;, no spaces around them.</comment>
        <translation>tekenen;schilderen;kleuren;waskrijt;kleurplaat;stempels;kinderen;kids;</translation>
    </message>
    <message>
        <source>Painting for young children</source>
        <comment>The software centre&apos;s one-line summary.</comment>
        <translation>Tekenen voor jonge kinderen</translation>
    </message>
    <message>
        <source>Pintaloo is a painting program for young children. Big friendly buttons, sounds and short cartoons make every tool easy to find, and nothing a child does can break anything.</source>
        <comment>The software centre&apos;s description, first paragraph.</comment>
        <translation>Pintaloo is een tekenprogramma voor jonge kinderen. Grote, vriendelijke knoppen, geluiden en korte tekenfilmpjes maken elk gereedschap makkelijk te vinden, en niets wat een kind doet, kan iets kapotmaken.</translation>
    </message>
    <message>
        <source>A crayon pencil whose colour blends into the paint already on the page</source>
        <comment>The software centre&apos;s list of what Pintaloo does.</comment>
        <translation>Een waskrijtje waarvan de kleur opgaat in de verf die al op het blad staat</translation>
    </message>
    <message>
        <source>An eraser, flood fill and patterned and picture brushes</source>
        <translation>Een gum, een verfemmer om vlakken te vullen en penselen met patronen en plaatjes</translation>
    </message>
    <message>
        <source>Stamps that come out smaller further up the page</source>
        <translation>Stempels die kleiner worden naarmate ze hoger op het blad staan</translation>
    </message>
    <message>
        <source>An oil-painting effect</source>
        <translation>Een olieverfeffect</translation>
    </message>
    <message>
        <source>Colouring pages whose outlines the pencil never covers</source>
        <translation>Kleurplaten waarvan het waskrijtje de lijnen nooit bedekt</translation>
    </message>
    <message>
        <source>A gallery of the child&apos;s own drawings, and each drawing played back as a film</source>
        <translation>Een galerij met de eigen tekeningen van het kind, en elke tekening opnieuw afgespeeld als filmpje</translation>
    </message>
    <message>
        <source>Sixteen languages, and painting by touch, pen, keyboard or switch</source>
        <translation>Zestien talen, en tekenen met aanraking, pen, toetsenbord of schakelaar</translation>
    </message>
    <message>
        <source>Pintaloo needs no network, shows no advertising and collects nothing.</source>
        <comment>The software centre&apos;s description, last paragraph.</comment>
        <translation>Pintaloo heeft geen netwerk nodig, toont geen reclame en verzamelt niets.</translation>
    </message>
    <message>
        <source>A picture painted with crayons and stamps</source>
        <comment>Caption of the software centre&apos;s screenshot.</comment>
        <translation>Een tekening gemaakt met waskrijt en stempels</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The film was not saved</source>
        <translation>Het filmpje is niet opgeslagen</translation>
    </message>
    <message>
        <source>Pintaloo could not save the film as
%1

%2

Please try another folder.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo kon het filmpje niet opslaan als
%1

%2

Probeer een andere map.</translation>
    </message>
    <message>
        <source>The film was saved</source>
        <translation>Het filmpje is opgeslagen</translation>
    </message>
    <message>
        <source>There was too much to film: the film stops before the drawing is finished.</source>
        <translation>Er was te veel om te filmen: het filmpje stopt voordat de tekening af is.</translation>
    </message>
    <message>
        <source>The picture was not opened</source>
        <translation>De afbeelding is niet geopend</translation>
    </message>
    <message>
        <source>This file is not a picture Pintaloo can open.</source>
        <translation>Dit bestand is geen afbeelding die Pintaloo kan openen.</translation>
    </message>
    <message>
        <source>This picture took too long to open.</source>
        <translation>Het openen van deze afbeelding duurde te lang.</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>De afbeelding is niet opgeslagen</translation>
    </message>
    <message>
        <source>Pintaloo could not save the picture as
%1

%2

The drawing is still on the page: please try another folder or free some disk space.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo kon de afbeelding niet opslaan als
%1

%2

De tekening staat nog op het blad: probeer een andere map of maak wat schijfruimte vrij.</translation>
    </message>
    <message>
        <source>Pintaloo saves pictures as .bmp, .png or .jpg.</source>
        <translation>Pintaloo slaat afbeeldingen op als .bmp, .png of .jpg.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <comment>The reason given when the disk is full; it follows a file name.</comment>
        <translation>Geen ruimte meer op het apparaat</translation>
    </message>
    <message>
        <source>Pintaloo could not read this file.</source>
        <translation>Pintaloo kon dit bestand niet lezen.</translation>
    </message>
    <message>
        <source>This picture is too big for Pintaloo to open.</source>
        <translation>Deze afbeelding is te groot om in Pintaloo te openen.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete, so Pintaloo cannot open it.</source>
        <translation>Deze afbeelding is beschadigd of onvolledig, dus Pintaloo kan haar niet openen.</translation>
    </message>
    <message>
        <source>This picture takes too long to open, so Pintaloo stopped trying.</source>
        <translation>Het openen van deze afbeelding duurt te lang, dus Pintaloo is ermee gestopt.</translation>
    </message>
    <message>
        <source>Pintaloo opens bitmap (.bmp), JPEG and PNG pictures.</source>
        <comment>Follows a refusal: which kinds of picture Pintaloo opens.</comment>
        <translation>Pintaloo opent bitmap- (.bmp), JPEG- en PNG-afbeeldingen.</translation>
    </message>
    <message>
        <source>The drawing is still on the page.</source>
        <comment>Ends every message that says a picture was not opened or saved.</comment>
        <translation>De tekening staat nog op het blad.</translation>
    </message>
    <message>
        <source>Pintaloo cannot save a picture as
%1

Please end the name with .bmp, .png or .jpg, or leave the ending off for a bitmap. The drawing is still on the page.</source>
        <comment>%1 is the name the parent typed. A bitmap is a .bmp file.</comment>
        <translation>Pintaloo kan een afbeelding niet opslaan als
%1

Laat de naam eindigen op .bmp, .png of .jpg, of laat het einde weg voor een bitmap. De tekening staat nog op het blad.</translation>
    </message>
    <message>
        <source>Your drawing is not being kept</source>
        <translation>Je tekening wordt niet bewaard</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

%2

The drawing stays on the page while Pintaloo is open, and Pintaloo keeps trying. To be sure, save the drawing before quitting.</source>
        <comment>%1 is the folder, %2 the reason (a system message). Pintaloo keeps the drawing between runs.</comment>
        <translation>Pintaloo kan je tekening hier niet bewaren:
%1

%2

De tekening blijft op het blad zolang Pintaloo open is, en Pintaloo blijft het proberen. Sla de tekening voor de zekerheid op voordat je afsluit.</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

Another Pintaloo (perhaps in another login) is already keeping its drawing there. This one starts blank and keeps nothing: save the drawing before quitting.</source>
        <comment>%1 is the folder. Two copies of Pintaloo cannot keep one drawing.</comment>
        <translation>Pintaloo kan je tekening hier niet bewaren:
%1

Een andere Pintaloo (misschien in een andere sessie) bewaart daar al zijn tekening. Deze begint met een leeg blad en bewaart niets: sla de tekening op voordat je afsluit.</translation>
    </message>
    <message>
        <source>The drawing kept last time could not be read, so the page starts blank. It was not thrown away: it was put aside as
%1</source>
        <comment>%1 is the name the unreadable file was put aside as.</comment>
        <translation>De tekening van de vorige keer kon niet worden gelezen, dus het blad begint leeg. Ze is niet weggegooid: ze is opzijgezet als
%1</translation>
    </message>
    <message>
        <source>Your drawing has not been kept and will be gone when Pintaloo closes.

Save it now?</source>
        <comment>A question; the Yes button saves.</comment>
        <translation>Je tekening is niet bewaard en is weg als Pintaloo sluit.

Nu opslaan?</translation>
    </message>
    <message>
        <source>The film was not kept</source>
        <translation>Het filmpje is niet bewaard</translation>
    </message>
    <message>
        <source>The picture was saved as
%1

but its film could not be kept beside it as
%2

%3</source>
        <comment>%1 is the picture&apos;s file, %2 the story file beside it, %3 the reason.</comment>
        <translation>De afbeelding is opgeslagen als
%1

maar het filmpje kon er niet naast worden bewaard als
%2

%3</translation>
    </message>
    <message>
        <source>Drawings are not going into My drawings</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name; use the same words as its button.</comment>
        <translation>Tekeningen gaan niet naar Mijn tekeningen</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

Nothing is lost: they are kept in
%3</source>
        <comment>%1 the gallery folder, %2 the reason, %3 the folder the drawings are kept in instead.</comment>
        <translation>De tekeningen kunnen niet worden opgeslagen in
%1

%2

Er gaat niets verloren: ze worden bewaard in
%3</translation>
    </message>
    <message>
        <source>The film could not be made.</source>
        <comment>The reason a film was not saved, under the file&apos;s name.</comment>
        <translation>Het filmpje kon niet worden gemaakt.</translation>
    </message>
    <message>
        <source>The film could not be written: %1</source>
        <comment>The reason a film was not saved; %1 is the system&apos;s reason.</comment>
        <translation>Het filmpje kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

nor into Pintaloo&apos;s own folder. They are kept only while Pintaloo is open: press Save and choose a folder, and they are saved there with the drawing.</source>
        <comment>%1 the gallery folder, %2 the reason. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>De tekeningen kunnen niet worden opgeslagen in
%1

%2

en ook niet in de eigen map van Pintaloo. Ze worden alleen bewaard zolang Pintaloo open is: druk op Opslaan en kies een map, dan worden ze daar samen met de tekening opgeslagen.</translation>
    </message>
    <message>
        <source>Pintaloo keeps at most %1 drawings in memory, so the oldest of them is gone. Press Save and choose a folder to keep the others.</source>
        <comment>%1 a number, 30 or so. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>Pintaloo bewaart hoogstens %1 tekeningen in het geheugen, dus de oudste is weg. Druk op Opslaan en kies een map om de andere te bewaren.</translation>
    </message>
    <message>
        <source>Drawings kept only in memory, because no folder would take them: %1.

They are lost when Pintaloo closes. Save them now into a folder you choose?</source>
        <comment>%1 a number. A question: yes opens the save dialog.</comment>
        <translation>Tekeningen die alleen in het geheugen staan, omdat geen map ze wilde aannemen: %1.

Ze gaan verloren als Pintaloo sluit. Nu opslaan in een map die je kiest?</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Zoeken in:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Bestands&amp;naam:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Bestanden van type:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Hogere map</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Nieuwe map aanmaken</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lijstweergave</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detailweergave</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mijn computer</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Recente plaatsen</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Datum gewijzigd</translation>
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
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>A&amp;fdrukken</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opties &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opties &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Naar bestand afdrukken (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokaal bestand</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF-bestand schrijven</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>Kopieën</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopieën:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Afdrukbereik</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Alles afdrukken</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Pagina&apos;s vanaf</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Kleurmodus</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Grijswaarden</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschappen</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Locatie:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Uitvoerbestand:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Drawing paper: %1</source>
        <comment>What a screen reader says of the page; %1 is the chosen tool.</comment>
        <translation>Tekenpapier: %1</translation>
    </message>
    <message>
        <source>Stamp %1</source>
        <comment>Screen reader: a stamp in the stamp box; %1 counts from 1.</comment>
        <translation>Stempel %1</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <comment>Screen reader: a brush in the brush box; %1 counts from 1.</comment>
        <translation>Patroon %1</translation>
    </message>
    <message>
        <source>Stamp group %1</source>
        <comment>Screen reader: a group of stamps; %1 counts from 1.</comment>
        <translation>Stempelgroep %1</translation>
    </message>
    <message>
        <source>Animation %1</source>
        <comment>Screen reader: one of the short cartoons; %1 counts from 1.</comment>
        <translation>Animatie %1</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <comment>Screen reader: the big box showing the chosen colour, which plays a cartoon when pressed.</comment>
        <translation>Tekenfilmpjes</translation>
    </message>
    <message>
        <source>Take this page</source>
        <comment>Screen reader: the big colouring page in its panel; pressing it takes the page.</comment>
        <translation>Neem deze plaat</translation>
    </message>
    <message>
        <source>Next drawing</source>
        <comment>Screen reader: arrow to the next colouring page or drawing.</comment>
        <translation>Volgende tekening</translation>
    </message>
    <message>
        <source>Previous drawing</source>
        <comment>Screen reader: arrow to the previous colouring page or drawing.</comment>
        <translation>Vorige tekening</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Children</source>
        <comment>Title of the grown-up&apos;s settings page that lists the children who share this computer.</comment>
        <translation>Kinderen</translation>
    </message>
    <message>
        <source>With two or more children, each one presses their own picture at the start and keeps their own drawings.</source>
        <comment>The line at the top of the grown-up&apos;s settings page for the children.</comment>
        <translation>Met twee of meer kinderen drukt elk kind bij het begin op een eigen plaatje en houdt het eigen tekeningen.</translation>
    </message>
    <message>
        <source>Child&apos;s name</source>
        <comment>Label of the field where a grown-up writes a child&apos;s name.</comment>
        <translation>Naam van het kind</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <comment>Tooltip of the button that opens the grid of pictures a child can have as their own.</comment>
        <translation>Kies een plaatje</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>Button on the grown-up&apos;s settings page that adds a row for one more child.</comment>
        <translation>Kind toevoegen</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>Button that removes a child from the list (their drawings stay where they are).</comment>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Move up</source>
        <comment>Button that moves a child one place up the list.</comment>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <comment>Button that moves a child one place down the list.</comment>
        <translation>Omlaag</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Pintaloo needs a graphical desktop (X11 or Wayland), and none could be opened here.</source>
        <comment>Printed on the terminal when Pintaloo is started without a graphical desktop.</comment>
        <translation>Pintaloo heeft een grafisch bureaublad nodig (X11 of Wayland), en hier kon er geen worden geopend.</translation>
    </message>
    <message>
        <source>Pintaloo is already open, but its window could not be brought to the front. Look for it on the task bar, or close it and start Pintaloo again.</source>
        <comment>Printed on the terminal, and shown in a message box, when Pintaloo is started while another Pintaloo runs and that one could not be asked to show its window.</comment>
        <translation>Pintaloo is al open, maar het venster kon niet naar voren worden gehaald. Zoek het op de taakbalk, of sluit het en start Pintaloo opnieuw.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wait...</source>
        <comment>Shown over the page while the oil painting is being made.</comment>
        <translation>Wacht even...</translation>
    </message>
    <message>
        <source>Select a drawing</source>
        <comment>Title of the panel that leafs through the colouring pages. Speak to a child (informal you).</comment>
        <translation>Kies een tekening</translation>
    </message>
    <message>
        <source>Close me</source>
        <comment>Tooltip of the window&apos;s close button, spoken by the window itself.</comment>
        <translation>Sluit me</translation>
    </message>
    <message>
        <source>Minimize me</source>
        <comment>Tooltip of the window&apos;s minimise button, spoken by the window itself.</comment>
        <translation>Maak me klein</translation>
    </message>
    <message>
        <source>New page</source>
        <comment>Tooltip: starts again on a clean white page.</comment>
        <translation>Nieuw blad</translation>
    </message>
    <message>
        <source>New coloring page</source>
        <comment>Tooltip: opens the panel of colouring pages.</comment>
        <translation>Nieuwe kleurplaat</translation>
    </message>
    <message>
        <source>Save drawing</source>
        <comment>Tooltip of the save button, and the save dialog&apos;s title.</comment>
        <translation>Tekening opslaan</translation>
    </message>
    <message>
        <source>Help/About</source>
        <comment>Tooltip of the help button, and the help window&apos;s title.</comment>
        <translation>Hulp/Info</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>Tool: a crayon that blends into the paint under it.</comment>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Models brush</source>
        <comment>Tool: opens a box of patterned and picture brushes (rings, stars, grass...).</comment>
        <translation>Patroonpenseel</translation>
    </message>
    <message>
        <source>Stamp brush</source>
        <comment>Tool: opens the stamps (animals, cars, flowers...).</comment>
        <translation>Stempels</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gum</translation>
    </message>
    <message>
        <source>Oil drawing</source>
        <comment>Tool: turns the whole picture into an oil painting.</comment>
        <translation>Olieverf</translation>
    </message>
    <message>
        <source>Fill with color</source>
        <comment>Tool: a paint pot that fills an area.</comment>
        <translation>Vullen met kleur</translation>
    </message>
    <message>
        <source>Brush size</source>
        <comment>Tooltip of the four bars that choose how thick the brush is.</comment>
        <translation>Penseeldikte</translation>
    </message>
    <message>
        <source>Select the color</source>
        <comment>Tooltip of each of the 24 colour swatches.</comment>
        <translation>Kies de kleur</translation>
    </message>
    <message>
        <source>Open a drawing</source>
        <comment>Caption in the colouring-page panel, and the open dialog&apos;s title.</comment>
        <translation>Open een tekening</translation>
    </message>
    <message>
        <source>Pintaloo %1 · help and about</source>
        <comment>The line at the foot of the window; %1 is the version number. Clicking it opens the help.</comment>
        <translation>Pintaloo %1 · hulp en info</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Tooltip: take back the last thing painted.</comment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Tooltip: bring back what Undo took.</comment>
        <translation>Opnieuw doen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <comment>Tooltip of the button that turns the sounds off and on.</comment>
        <translation>Geluid aan/uit</translation>
    </message>
    <message>
        <source>Full screen</source>
        <comment>Name of the full-screen switch (F11); read by screen readers.</comment>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <comment>Tooltip of the round close button on a panel (stamps, brushes, pages).</comment>
        <translation>Sluit dit paneel</translation>
    </message>
    <message>
        <source>Watch it again</source>
        <comment>Button: plays the drawing again from the first stroke, like a film.</comment>
        <translation>Nog eens kijken</translation>
    </message>
    <message>
        <source>Save the film</source>
        <comment>Button: saves that film as an animated picture. Also the film&apos;s proposed file name.</comment>
        <translation>Filmpje opslaan</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Button: stops the film.</comment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>My drawings</source>
        <comment>Button and panel title: the child&apos;s gallery of drawings Pintaloo kept.</comment>
        <translation>Mijn tekeningen</translation>
    </message>
    <message>
        <source>Show them all</source>
        <comment>Button: shows all the drawings one after another, full screen.</comment>
        <translation>Laat ze allemaal zien</translation>
    </message>
    <message>
        <source>Put this drawing in the trash (press twice)</source>
        <comment>Tooltip of the bin under each drawing in the gallery.</comment>
        <translation>Gooi deze tekening in de prullenbak (twee keer drukken)</translation>
    </message>
    <message>
        <source>Really?</source>
        <comment>The bin&apos;s caption after its first press; a second press removes the drawing.</comment>
        <translation>Echt waar?</translation>
    </message>
    <message>
        <source>Magic</source>
        <comment>Tool: opens a box of magic brushes and magic tricks for the whole picture.</comment>
        <translation>Toverij</translation>
    </message>
    <message>
        <source>Mirror Paint</source>
        <comment>A magic brush: a crayon whose line is copied, mirrored, on the other half of the picture.</comment>
        <translation>Spiegeltekenen</translation>
    </message>
    <message>
        <source>Mirror Paint: draw on one side and the other side copies you, like a mirror.</source>
        <comment>The help line of the mirror painting brush, read aloud to a child.</comment>
        <translation>Spiegeltekenen: teken aan één kant en de andere kant doet je na, net als een spiegel.</translation>
    </message>
    <message>
        <source>Four Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied four times, mirrored into each corner.</comment>
        <translation>Vier spiegels</translation>
    </message>
    <message>
        <source>Four Mirrors: your drawing appears four times, once in each corner.</source>
        <comment>The help line of the four-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Vier spiegels: je tekening komt vier keer, één keer in elke hoek.</translation>
    </message>
    <message>
        <source>Eight Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied eight times around the middle, like a kaleidoscope.</comment>
        <translation>Acht spiegels</translation>
    </message>
    <message>
        <source>Eight Mirrors: your drawing appears eight times around the middle, like a snowflake.</source>
        <comment>The help line of the eight-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Acht spiegels: je tekening komt acht keer rond het midden, net als een sneeuwvlok.</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>A magic brush that draws grainy lines like a stick of chalk.</comment>
        <translation>Krijt</translation>
    </message>
    <message>
        <source>Chalk: draw dusty, bumpy lines like chalk on the pavement.</source>
        <comment>The help line of the chalk brush, read aloud to a child.</comment>
        <translation>Krijt: teken stoffige, hobbelige lijnen, net als stoepkrijt.</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <comment>A magic brush that scatters little twinkling stars along the line.</comment>
        <translation>Fonkelsterren</translation>
    </message>
    <message>
        <source>Sparkles: draw a trail of twinkling stars.</source>
        <comment>The help line of the sparkles brush, read aloud to a child.</comment>
        <translation>Fonkelsterren: teken een spoor van fonkelende sterretjes.</translation>
    </message>
    <message>
        <source>Blur</source>
        <comment>A magic brush that makes the paint soft and fuzzy.</comment>
        <translation>Vervagen</translation>
    </message>
    <message>
        <source>Blur: paint over your picture to make it soft and dreamy.</source>
        <comment>The help line of the blur brush, read aloud to a small child.</comment>
        <translation>Vervagen: schilder over je tekening om hem zacht en dromerig te maken.</translation>
    </message>
    <message>
        <source>Smudge</source>
        <comment>A magic brush that drags the paint along like a wet finger.</comment>
        <translation>Uitsmeren</translation>
    </message>
    <message>
        <source>Smudge: push the paint around like a wet finger.</source>
        <comment>The help line of the smudge brush, read aloud to a small child.</comment>
        <translation>Uitsmeren: duw de verf rond als met een natte vinger.</translation>
    </message>
    <message>
        <source>Tint</source>
        <comment>A magic brush that colours the paint under it with the chosen colour, keeping its light and dark parts.</comment>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Tint: give your painting a new color and keep its light and dark.</source>
        <comment>The help line of the tint brush, read aloud to a small child.</comment>
        <translation>Kleuren: geef je tekening een nieuwe kleur en houd het licht en donker.</translation>
    </message>
    <message>
        <source>Lighten</source>
        <comment>A magic brush that makes the paint paler with each stroke.</comment>
        <translation>Lichter</translation>
    </message>
    <message>
        <source>Lighten: paint over colors to make them lighter.</source>
        <comment>The help line of the lighten brush, read aloud to a small child.</comment>
        <translation>Lichter: schilder over kleuren om ze lichter te maken.</translation>
    </message>
    <message>
        <source>Darken</source>
        <comment>A magic brush that makes the paint deeper with each stroke.</comment>
        <translation>Donkerder</translation>
    </message>
    <message>
        <source>Darken: paint over colors to make them darker.</source>
        <comment>The help line of the darken brush, read aloud to a small child.</comment>
        <translation>Donkerder: schilder over kleuren om ze donkerder te maken.</translation>
    </message>
    <message>
        <source>Opposite</source>
        <comment>A magic brush that turns colours into their opposites, like a photo negative: white becomes black, yellow becomes blue.</comment>
        <translation>Omkeren</translation>
    </message>
    <message>
        <source>Opposite: turn colors into their opposites, light into dark.</source>
        <comment>The help line of the negative brush, read aloud to a small child.</comment>
        <translation>Omkeren: maak van kleuren hun tegenovergestelde, licht wordt donker.</translation>
    </message>
    <message>
        <source>Upside down</source>
        <comment>A magic effect that turns the whole picture upside down at one press.</comment>
        <translation>Ondersteboven</translation>
    </message>
    <message>
        <source>Upside down: press to turn your whole picture upside down.</source>
        <comment>Help line of the upside-down magic effect, read aloud to a young child.</comment>
        <translation>Ondersteboven: druk om je hele tekening ondersteboven te zetten.</translation>
    </message>
    <message>
        <source>Swap sides</source>
        <comment>A magic effect that turns the whole picture around, left to right, at one press.</comment>
        <translation>Andersom</translation>
    </message>
    <message>
        <source>Swap sides: press to turn your picture around, left to right.</source>
        <comment>Help line of the swap-sides magic effect, read aloud to a young child.</comment>
        <translation>Andersom: druk om je tekening om te draaien, van links naar rechts.</translation>
    </message>
    <message>
        <source>Snow</source>
        <comment>A magic effect that lets snowflakes fall all over the picture at one press.</comment>
        <translation>Sneeuw</translation>
    </message>
    <message>
        <source>Snow: press to make snowflakes fall all over your picture.</source>
        <comment>Help line of the snow magic effect, read aloud to a young child.</comment>
        <translation>Sneeuw: druk en er vallen sneeuwvlokken over je hele tekening.</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <comment>A magic effect that shows the picture through big round soap bubbles.</comment>
        <translation>Bellen</translation>
    </message>
    <message>
        <source>Bubbles: press to see your picture through soap bubbles.</source>
        <comment>Help line of the bubbles magic effect, read aloud to a young child.</comment>
        <translation>Bellen: druk om je tekening door zeepbellen te bekijken.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>A magic effect that turns the whole picture into little square tiles, as a mosaic.</comment>
        <translation>Blokjes</translation>
    </message>
    <message>
        <source>Blocks: press to make your picture out of little squares.</source>
        <comment>Help line of the blocks (mosaic) magic effect, read aloud to a young child.</comment>
        <translation>Blokjes: druk om je tekening van kleine vierkantjes te maken.</translation>
    </message>
    <message>
        <source>Shapes and lines</source>
        <comment>Tool: opens a box of shapes (circle, square, star, heart...) and a straight line, which the child drags out to size.</comment>
        <translation>Vormen en lijnen</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>Tool: write words on the picture, with the keyboard or big letter buttons.</comment>
        <translation>Letters</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>A shape tool: a round circle, dragged out from its middle.</comment>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Circle: press for the middle and pull out a round circle.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Cirkel: druk voor het midden en trek een ronde cirkel.</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>A shape tool: an oval, dragged out from its middle, as wide and tall as you pull.</comment>
        <translation>Ovaal</translation>
    </message>
    <message>
        <source>Oval: press for the middle and pull out an egg shape, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Ovaal: druk voor het midden en trek een eivorm, lang of hoog.</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>A shape tool: a square, dragged out from its middle.</comment>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>Square: press for the middle and pull out a square.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Vierkant: druk voor het midden en trek een vierkant.</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>A shape tool: a box, dragged out from its middle to a corner.</comment>
        <translation>Rechthoek</translation>
    </message>
    <message>
        <source>Rectangle: press for the middle and pull a corner out, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Rechthoek: druk voor het midden en trek een hoek naar buiten, lang of hoog.</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>A shape tool: a triangle standing on its base, dragged out from its middle.</comment>
        <translation>Driehoek</translation>
    </message>
    <message>
        <source>Triangle: press for the middle and pull out a triangle like a little roof.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Driehoek: druk voor het midden en trek een driehoek, als een klein dak.</translation>
    </message>
    <message>
        <source>Star</source>
        <comment>A shape tool: a five-pointed star, dragged out from its middle.</comment>
        <translation>Ster</translation>
    </message>
    <message>
        <source>Star: press for the middle and pull out a big star.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Ster: druk voor het midden en trek een grote ster.</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>A shape tool: a heart, dragged out from its middle.</comment>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Heart: press for the middle and pull out a heart.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Hart: druk voor het midden en trek een hart.</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>A shape tool: a diamond (a square standing on its corner), dragged out from its middle.</comment>
        <translation>Ruit</translation>
    </message>
    <message>
        <source>Diamond: press for the middle and pull out a diamond, like a kite.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Ruit: druk voor het midden en trek een ruit, als een vlieger.</translation>
    </message>
    <message>
        <source>Straight line</source>
        <comment>A shape tool: a straight line drawn with the crayon, from where you press to where you let go.</comment>
        <translation>Rechte lijn</translation>
    </message>
    <message>
        <source>Straight line: press where it starts and let go where it ends.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Rechte lijn: druk waar hij begint en laat los waar hij ophoudt.</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>A key of the on-screen letter board: a gap between two words.</comment>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Take back a letter</source>
        <comment>A key of the on-screen letter board that removes the last letter written.</comment>
        <translation>Een letter terug</translation>
    </message>
    <message>
        <source>Put the word on the page</source>
        <comment>A key of the on-screen letter board that ends the word and leaves it on the drawing.</comment>
        <translation>Het woord op het blad zetten</translation>
    </message>
    <message>
        <source>Letters: press on the page where your word goes, then press the big letters.</source>
        <comment>What the on-screen letter board is for, read aloud to a young child.</comment>
        <translation>Letters: druk op het blad waar je woord komt, en druk dan op de grote letters.</translation>
    </message>
    <message>
        <source>More colors: the rainbow</source>
        <comment>Tooltip and screen-reader name of the little rainbow under the chosen colour: it opens a big field of every colour.</comment>
        <translation>Meer kleuren: de regenboog</translation>
    </message>
    <message>
        <source>Rainbow: press a color</source>
        <comment>Screen-reader name of the big field of colours; a press or a drag on it chooses the colour there. Speak to a child (informal you).</comment>
        <translation>Regenboog: druk op een kleur</translation>
    </message>
    <message>
        <source>Dropper: take a color from your picture</source>
        <comment>Tooltip of the dropper button: the next press on the picture takes the colour there. Speak to a child (informal you).</comment>
        <translation>Pipet: pak een kleur uit je tekening</translation>
    </message>
    <message>
        <source>Close the rainbow</source>
        <comment>Tooltip of the button that closes the big field of colours.</comment>
        <translation>Regenboog sluiten</translation>
    </message>
    <message>
        <source>Animals</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;animals&apos;.</comment>
        <translation>Dieren</translation>
    </message>
    <message>
        <source>Clothes</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;clothes&apos;.</comment>
        <translation>Kleren</translation>
    </message>
    <message>
        <source>Food</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;food&apos;.</comment>
        <translation>Eten</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;hobbies&apos;.</comment>
        <translation>Hobby&apos;s</translation>
    </message>
    <message>
        <source>At home</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;household&apos;.</comment>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Doctor and nurse</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;medical&apos;.</comment>
        <translation>Dokter en verpleegster</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;military&apos;.</comment>
        <translation>Soldaten</translation>
    </message>
    <message>
        <source>Weather and nature</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;naturalforces&apos;.</comment>
        <translation>Weer en natuur</translation>
    </message>
    <message>
        <source>People</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;people&apos;.</comment>
        <translation>Mensen</translation>
    </message>
    <message>
        <source>Plants</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;plants&apos;.</comment>
        <translation>Planten</translation>
    </message>
    <message>
        <source>Holidays and seasons</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;seasonal&apos;.</comment>
        <translation>Feesten en seizoenen</translation>
    </message>
    <message>
        <source>Stars and planets</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;space&apos;.</comment>
        <translation>Sterren en planeten</translation>
    </message>
    <message>
        <source>Sports</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;sports&apos;.</comment>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Signs and symbols</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;symbols&apos;.</comment>
        <translation>Tekens en symbolen</translation>
    </message>
    <message>
        <source>Town</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;town&apos;.</comment>
        <translation>Stad</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;vehicles&apos;.</comment>
        <translation>Voertuigen</translation>
    </message>
    <message>
        <source>Other stamps</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing): the stamps found directly in a stamp collection&apos;s folder, not in a theme.</comment>
        <translation>Andere stempels</translation>
    </message>
    <message>
        <source>All the stamps</source>
        <comment>Title of the big stamp browser while it shows the groups of stamps. Speak to a child (informal you).</comment>
        <translation>Alle stempels</translation>
    </message>
    <message>
        <source>More stamps</source>
        <comment>Tooltip of the big button in the stamps panel that opens the browser of many more stamps. Speak to a child (informal you).</comment>
        <translation>Meer stempels</translation>
    </message>
    <message>
        <source>Small stamps</source>
        <comment>Tooltip of the button that makes stamps small. Speak to a child (informal you).</comment>
        <translation>Kleine stempels</translation>
    </message>
    <message>
        <source>Middle-sized stamps</source>
        <comment>Tooltip of the button that makes stamps their usual, middle size. Speak to a child (informal you).</comment>
        <translation>Middelgrote stempels</translation>
    </message>
    <message>
        <source>Big stamps</source>
        <comment>Tooltip of the button that makes stamps big. Speak to a child (informal you).</comment>
        <translation>Grote stempels</translation>
    </message>
    <message>
        <source>Giant stamps</source>
        <comment>Tooltip of the button that makes stamps very big. Speak to a child (informal you).</comment>
        <translation>Reuzenstempels</translation>
    </message>
    <message>
        <source>Turn the stamp left to right</source>
        <comment>Tooltip of the button that mirrors the stamp (left becomes right). Speak to a child (informal you).</comment>
        <translation>Draai de stempel van links naar rechts</translation>
    </message>
    <message>
        <source>Turn the stamp upside down</source>
        <comment>Tooltip of the button that flips the stamp upside down. Speak to a child (informal you).</comment>
        <translation>Zet de stempel op zijn kop</translation>
    </message>
    <message>
        <source>Back to all the stamps</source>
        <comment>Tooltip of the button in the stamp browser that goes back from one group to all the groups. Speak to a child (informal you).</comment>
        <translation>Terug naar alle stempels</translation>
    </message>
    <message>
        <source>Close the stamps</source>
        <comment>Tooltip of the button that closes the big stamp browser. Speak to a child (informal you).</comment>
        <translation>Stempels sluiten</translation>
    </message>
    <message>
        <source>Stamps before</source>
        <comment>Tooltip of the arrow that shows the page of stamps before this one. Speak to a child (informal you).</comment>
        <translation>Stempels ervoor</translation>
    </message>
    <message>
        <source>More stamps after</source>
        <comment>Tooltip of the arrow that shows the next page of stamps. Speak to a child (informal you).</comment>
        <translation>Stempels hierna</translation>
    </message>
    <message>
        <source>All the pages</source>
        <comment>Tooltip of the button that shows every colouring page at once as little pictures, and the title of that panel.</comment>
        <translation>Alle bladzijden</translation>
    </message>
    <message>
        <source>Color this page</source>
        <comment>Tooltip and screen-reader name of one little picture of a colouring page: a press puts it on the canvas. Speak to a child (informal you).</comment>
        <translation>Kleur deze bladzijde</translation>
    </message>
    <message>
        <source>Paper to paint on</source>
        <comment>Tooltip of the button that offers coloured paper and background pictures for a new page, and the title of that panel.</comment>
        <translation>Papier om op te schilderen</translation>
    </message>
    <message>
        <source>Start on this paper</source>
        <comment>Tooltip and screen-reader name of one coloured paper or background picture: a press starts a new page on it. Speak to a child (informal you).</comment>
        <translation>Begin op dit papier</translation>
    </message>
    <message>
        <source>Close: only with a grown-up</source>
        <comment>Tooltip and screen-reader name of the window&apos;s close button when the school has locked closing: a grown-up must answer a question first.</comment>
        <translation>Sluiten: alleen met een volwassene</translation>
    </message>
    <message>
        <source>Who is painting?</source>
        <comment>The friendly question over the big pictures of the children who share the computer, read aloud to a young child at the start.</comment>
        <translation>Wie gaat er schilderen?</translation>
    </message>
    <message>
        <source>Another child&apos;s turn</source>
        <comment>Tooltip of the small picture of the child painting now, in the window&apos;s corner: a press lets another child choose their picture.</comment>
        <translation>Een ander kind is aan de beurt</translation>
    </message>
    <message>
        <source>Collect the drawings</source>
        <comment>The grown-up&apos;s settings page that gathers a span of days of drawings into files; its name on the window&apos;s side.</comment>
        <translation>Tekeningen verzamelen</translation>
    </message>
    <message>
        <source>Whose drawings?</source>
        <comment>Label of the choice of child whose drawings are collected (or everyone).</comment>
        <translation>Wiens tekeningen?</translation>
    </message>
    <message>
        <source>Everyone</source>
        <comment>The choice that collects the drawings of every child.</comment>
        <translation>Iedereen</translation>
    </message>
    <message>
        <source>All the drawings</source>
        <comment>Shown instead of a choice of child when the account has no children named.</comment>
        <translation>Alle tekeningen</translation>
    </message>
    <message>
        <source>From</source>
        <comment>Label of the first day of the span of days collected.</comment>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <comment>Label of the last day of the span of days collected (included).</comment>
        <translation>Tot en met</translation>
    </message>
    <message>
        <source>Pictures in a folder</source>
        <comment>One of three big choices: each drawing as a PNG file in a folder.</comment>
        <translation>Plaatjes in een map</translation>
    </message>
    <message>
        <source>A booklet to print</source>
        <comment>One of three big choices: one PDF file, a page a drawing, to print.</comment>
        <translation>Een boekje om te printen</translation>
    </message>
    <message>
        <source>A film</source>
        <comment>One of three big choices: one animated picture showing the drawings one after another.</comment>
        <translation>Een filmpje</translation>
    </message>
    <message>
        <source>Seconds for each picture</source>
        <comment>Label of the film&apos;s speed: how long each drawing is shown.</comment>
        <translation>Seconden per plaatje</translation>
    </message>
    <message>
        <source>A cover page for each child</source>
        <comment>Check box: the booklet starts each child&apos;s drawings with a page showing the child&apos;s name.</comment>
        <translation>Een voorblad voor elk kind</translation>
    </message>
    <message>
        <source>A cover page</source>
        <comment>Check box: the booklet starts with a page showing the span of days (no children named).</comment>
        <translation>Een voorblad</translation>
    </message>
    <message>
        <source>Make it</source>
        <comment>The big button that starts making the pictures, booklet or film.</comment>
        <translation>Maken</translation>
    </message>
    <message>
        <source>Stop making it</source>
        <comment>The big button while the work runs: stops it.</comment>
        <translation>Stoppen met maken</translation>
    </message>
    <message>
        <source>Our drawings</source>
        <comment>Title of a booklet&apos;s cover page (and of the booklet) when no child is named.</comment>
        <translation>Onze tekeningen</translation>
    </message>
    <message>
        <source>Where should the pictures go?</source>
        <comment>Title of the dialog choosing the folder for the PNG files (a new folder name may be typed).</comment>
        <translation>Waar moeten de plaatjes heen?</translation>
    </message>
    <message>
        <source>Where should the booklet go?</source>
        <comment>Title of the dialog choosing the booklet&apos;s PDF file.</comment>
        <translation>Waar moet het boekje heen?</translation>
    </message>
    <message>
        <source>Where should the film go?</source>
        <comment>Title of the dialog choosing the film&apos;s file.</comment>
        <translation>Waar moet het filmpje heen?</translation>
    </message>
    <message>
        <source>Drawings put in the folder: %1</source>
        <comment>The result line after making the pictures; %1 how many.</comment>
        <translation>Tekeningen in de map gezet: %1</translation>
    </message>
    <message>
        <source>Drawings put in the booklet: %1</source>
        <comment>The result line after making the booklet; %1 how many.</comment>
        <translation>Tekeningen in het boekje gezet: %1</translation>
    </message>
    <message>
        <source>Drawings put in the film: %1</source>
        <comment>The result line after making the film; %1 how many.</comment>
        <translation>Tekeningen in het filmpje gezet: %1</translation>
    </message>
    <message>
        <source>There are no drawings on those days.</source>
        <comment>The result line when the span of days holds no drawing: nothing was made.</comment>
        <translation>Er zijn geen tekeningen op die dagen.</translation>
    </message>
    <message>
        <source>Stopped: nothing more was made.</source>
        <comment>The result line after the grown-up pressed Stop.</comment>
        <translation>Gestopt: er is niets meer gemaakt.</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <comment>The result line when the file or folder could not be written; %1 the system&apos;s reason.</comment>
        <translation>Dit kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Drawings that could not be read, left out: %1</source>
        <comment>A second result line: files the program refused to read (damaged or too large); %1 how many.</comment>
        <translation>Onleesbare tekeningen, weggelaten: %1</translation>
    </message>
    <message>
        <source>Too many drawings, left out: %1</source>
        <comment>A second result line: drawings past the most one collection takes; %1 how many.</comment>
        <translation>Te veel tekeningen, weggelaten: %1</translation>
    </message>
</context>
</TS>
