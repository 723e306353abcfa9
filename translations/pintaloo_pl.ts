<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Colours</name>
    <message>
        <source>Red</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Pomarańczowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Turkusowy</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Pink</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Brązowy</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>White</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Szary</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Pictures</source>
        <comment>File type in the open dialog: every kind of picture.</comment>
        <translation>Obrazki</translation>
    </message>
    <message>
        <source>Windows Bitmap</source>
        <comment>File type name in the file dialogs (.bmp).</comment>
        <translation>Mapa bitowa Windows</translation>
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
        <translation>Film WebP</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Drawing</source>
        <comment>The word a kept drawing&apos;s file name begins with, before the date: &apos;Drawing 2026-12-09 17.32.png&apos;. No &apos;:&apos; or &apos;/&apos;.</comment>
        <translation>Rysunek</translation>
    </message>
</context>
<context>
    <name>GrownUp</name>
    <message>
        <source>For grown-ups</source>
        <comment>Title of the small window that asks a sum only a grown-up can answer, before the grown-up&apos;s settings open.</comment>
        <translation>Dla dorosłych</translation>
    </message>
    <message>
        <source>Only a grown-up can open this. What is the answer?</source>
        <comment>Above a sum such as 7 × 6 =, with number keys below. Addressed to the adult.</comment>
        <translation>Tylko dorosły może to otworzyć. Jaka jest odpowiedź?</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>Button that gives the typed answer to the sum.</comment>
        <translation>Odpowiedz</translation>
    </message>
    <message>
        <source>Not now</source>
        <comment>Button that closes the question without opening anything.</comment>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Erase the last digit</source>
        <comment>Tooltip and screen-reader name of the backspace key beside the number keys.</comment>
        <translation>Usuń ostatnią cyfrę</translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <comment>Shown for a few seconds after three wrong answers in a row, while the number keys are off.</comment>
        <translation>Poczekaj chwilę i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <comment>Title of the grown-up&apos;s settings window.</comment>
        <translation>Ustawienia dla dorosłych</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Button that closes the grown-up&apos;s settings window; every change is already kept.</comment>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>A page of the grown-up&apos;s settings, shown beside its picture in the side list.</comment>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>A page of the grown-up&apos;s settings: the language of the window.</comment>
        <translation>Język</translation>
    </message>
    <message>
        <source>Screen</source>
        <comment>A page of the grown-up&apos;s settings: full screen or a window.</comment>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>A page of the grown-up&apos;s settings: what the program shows when it starts.</comment>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <source>Drawings</source>
        <comment>A page of the grown-up&apos;s settings: the folder where the child&apos;s drawings are kept.</comment>
        <translation>Rysunki</translation>
    </message>
    <message>
        <source>Switches</source>
        <comment>A page of the grown-up&apos;s settings: scanning for children who use one or two accessibility switches.</comment>
        <translation>Przełączniki</translation>
    </message>
    <message>
        <source>Lock-down</source>
        <comment>A page of the grown-up&apos;s settings: things a child must not do (quit, print, file dialogs, leave full screen).</comment>
        <translation>Blokady</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <comment>Beside a big on-off switch: sounds on or off.</comment>
        <translation>Odtwarzaj dźwięki</translation>
    </message>
    <message>
        <source>Fill the whole screen</source>
        <comment>Beside a big on-off switch: full screen.</comment>
        <translation>Wypełnij cały ekran</translation>
    </message>
    <message>
        <source>When the program starts, show:</source>
        <comment>Above two big choices: the last drawing, or a blank page.</comment>
        <translation>Po uruchomieniu programu pokaż:</translation>
    </message>
    <message>
        <source>The last drawing</source>
        <comment>One of two choices: start with the drawing the child left last time.</comment>
        <translation>Ostatni rysunek</translation>
    </message>
    <message>
        <source>A blank page</source>
        <comment>One of two choices: start on a blank page (the last drawing is kept in the gallery).</comment>
        <translation>Pusta kartka</translation>
    </message>
    <message>
        <source>Drawings are kept in this folder:</source>
        <comment>Above the path of the folder where the child&apos;s drawings are saved.</comment>
        <translation>Rysunki są przechowywane w tym folderze:</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <comment>Button that opens the desktop&apos;s folder dialog to pick where drawings are kept; also its title.</comment>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Back to the usual folder</source>
        <comment>Button that forgets the chosen folder: drawings go to the usual Pictures folder again.</comment>
        <translation>Wróć do zwykłego folderu</translation>
    </message>
    <message>
        <source>Switch scanning: seconds between steps</source>
        <comment>Above the choices Off, 1, 2, 3, 4, 5: how fast the highlight moves for a child using switches.</comment>
        <translation>Skanowanie przełącznikiem: sekundy między krokami</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>The first of the scanning choices: no scanning.</comment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>How many switches?</source>
        <comment>Above the choices One switch / Two switches.</comment>
        <translation>Ile przełączników?</translation>
    </message>
    <message>
        <source>One switch</source>
        <comment>Scanning choice: one switch (the highlight moves by itself).</comment>
        <translation>Jeden przełącznik</translation>
    </message>
    <message>
        <source>Two switches</source>
        <comment>Scanning choice: two switches (one moves, one presses).</comment>
        <translation>Dwa przełączniki</translation>
    </message>
    <message>
        <source>Closing asks the grown-up question</source>
        <comment>Beside an on-off switch: closing the program first asks the sum only a grown-up answers.</comment>
        <translation>Zamykanie zadaje pytanie dla dorosłych</translation>
    </message>
    <message>
        <source>No printing</source>
        <comment>Beside an on-off switch: the print button and Ctrl+P do nothing.</comment>
        <translation>Bez drukowania</translation>
    </message>
    <message>
        <source>Open and save only in the child&apos;s own drawings</source>
        <comment>Beside an on-off switch: no file dialogs; opening and saving stay within the child&apos;s drawings.</comment>
        <translation>Otwieranie i zapisywanie tylko w rysunkach dziecka</translation>
    </message>
    <message>
        <source>Always keep the full screen</source>
        <comment>Beside an on-off switch: full screen cannot be left (no Escape, no F11).</comment>
        <translation>Zawsze pełny ekran</translation>
    </message>
    <message>
        <source>Set by your school</source>
        <comment>Beside a small padlock under a setting the school&apos;s system-wide file has locked: it cannot be changed here.</comment>
        <translation>Ustawione przez twoją szkołę</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Pintaloo: help and about</source>
        <comment>The help window&apos;s page title.</comment>
        <translation>Pintaloo: pomoc i informacje</translation>
    </message>
    <message>
        <source>A painting program for young children. Pick a colour, pick a tool and paint on the big white page with the mouse, a finger or a pen.</source>
        <translation>Program do malowania dla małych dzieci. Wybierz kolor, wybierz narzędzie i maluj na dużej białej kartce myszką, palcem albo rysikiem.</translation>
    </message>
    <message>
        <source>The buttons at the bottom</source>
        <comment>A heading.</comment>
        <translation>Przyciski na dole</translation>
    </message>
    <message>
        <source>A crayon. Colouring over paint mixes the new colour in slowly. It never paints over the black lines of a colouring page.</source>
        <translation>Kredka świecowa. Gdy kolorujesz po farbie, nowy kolor powoli się z nią miesza. Nigdy nie zamalowuje czarnych linii kolorowanki.</translation>
    </message>
    <message>
        <source>Opens the stamps: animals, vehicles, flowers, houses, suns, trees, clouds and people. Choose a group, then a picture, then press on the page. Stamps come out smaller near the top of the page, because things far away look small.</source>
        <translation>Otwiera pieczątki: zwierzęta, pojazdy, kwiaty, domy, słońca, drzewa, chmury i ludzie. Wybierz grupę, potem obrazek, a potem naciśnij na kartce. U góry kartki pieczątki są mniejsze, bo to, co jest daleko, wygląda na małe.</translation>
    </message>
    <message>
        <source>Fills an area with the colour you chose.</source>
        <translation>Wypełnia obszar wybranym kolorem.</translation>
    </message>
    <message>
        <source>Rubs paint away, but not the black lines of a colouring page.</source>
        <translation>Ściera farbę, ale nie czarne linie kolorowanki.</translation>
    </message>
    <message>
        <source>Turns the whole picture into an oil painting.</source>
        <translation>Zmienia cały obrazek w obraz olejny.</translation>
    </message>
    <message>
        <source>Four bars, from thin to thick. The chosen bar shows your colour.</source>
        <translation>Cztery paski, od cienkiego do grubego. Wybrany pasek pokazuje twój kolor.</translation>
    </message>
    <message>
        <source>The colours</source>
        <comment>A term in a list, like the button names around it.</comment>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>24 colours, each with its own little tune. The big box next to them shows your colour: press it to watch a short cartoon.</source>
        <translation>24 kolory, każdy z własną melodyjką. Duże okienko obok pokazuje twój kolor: naciśnij je, żeby obejrzeć krótką kreskówkę.</translation>
    </message>
    <message>
        <source>The buttons at the top</source>
        <comment>A heading.</comment>
        <translation>Przyciski na górze</translation>
    </message>
    <message>
        <source>Starts again on a clean white page. The drawing you had goes into My drawings.</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name: use the same words as its button.</comment>
        <translation>Zaczyna od nowa na czystej białej kartce. Rysunek, który był na kartce, trafia do galerii „Moje rysunki”.</translation>
    </message>
    <message>
        <source>Leafs through 21 colouring pages. Press the big picture to colour it.</source>
        <translation>Pokazuje po kolei 21 kolorowanek. Naciśnij duży obrazek, żeby go pokolorować.</translation>
    </message>
    <message>
        <source>In the colouring pages, opens a picture you saved before (BMP, JPEG or PNG).</source>
        <translation>W kolorowankach otwiera obrazek zapisany wcześniej (BMP, JPEG lub PNG).</translation>
    </message>
    <message>
        <source>Saves your picture in your Pictures folder, or wherever you choose. A PNG picture keeps its film inside it.</source>
        <translation>Zapisuje twój obrazek w folderze Obrazy albo tam, gdzie chcesz. Obrazek PNG przechowuje w sobie swój film.</translation>
    </message>
    <message>
        <source>Every drawing you leave for a new page is kept here, newest first. Press one to paint on it again, press the bin twice to throw it away, or watch them all one after another.</source>
        <translation>Każdy rysunek, który zostawiasz, zaczynając nową kartkę, jest tu przechowywany, od najnowszego. Naciśnij jeden, żeby dalej go malować, naciśnij dwa razy kosz, żeby go wyrzucić, albo obejrzyj wszystkie po kolei.</translation>
    </message>
    <message>
        <source>Take back the last thing you painted, and bring it back again.</source>
        <translation>Cofa ostatnią namalowaną rzecz i znów ją przywraca.</translation>
    </message>
    <message>
        <source>Prints your picture as big as the paper allows. You can also print to a PDF file.</source>
        <translation>Drukuje twój obrazek tak duży, jak tylko zmieści się na papierze. Możesz też drukować do pliku PDF.</translation>
    </message>
    <message>
        <source>Turns the sounds and tunes off, and on again.</source>
        <translation>Wyłącza dźwięki i melodyjki, i znów je włącza.</translation>
    </message>
    <message>
        <source>Opens this page.</source>
        <translation>Otwiera tę stronę.</translation>
    </message>
    <message>
        <source>The film</source>
        <comment>A heading: the drawing played again from its first stroke.</comment>
        <translation>Film</translation>
    </message>
    <message>
        <source>Pintaloo remembers how you painted your picture. This plays it again from the first stroke, like a film.</source>
        <translation>Pintaloo pamięta, jak powstawał twój obrazek. Ten przycisk odtwarza go od pierwszej kreski, jak film.</translation>
    </message>
    <message>
        <source>Saves that film as a moving picture (WebP) you can show to others.</source>
        <translation>Zapisuje ten film jako ruchomy obrazek (WebP), który możesz pokazać innym.</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>A heading.</comment>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Closes an open panel, and leaves full screen.</source>
        <translation>Zamyka otwarty panel i wychodzi z pełnego ekranu.</translation>
    </message>
    <message>
        <source>Pintaloo fills the whole screen; press F11 or Esc again to go back.</source>
        <comment>Follows the name &apos;Full screen&apos;. Keep F11 and Esc as they are.</comment>
        <translation>Pintaloo wypełnia cały ekran; naciśnij jeszcze raz F11 lub Esc, żeby wrócić.</translation>
    </message>
    <message>
        <source>Quit Pintaloo.</source>
        <translation>Zamknij Pintaloo.</translation>
    </message>
    <message>
        <source>Tab moves from button to button and Space presses one. On the page, the arrow keys move the brush and Space paints.</source>
        <comment>Keep Tab and Space as they are written on the keys.</comment>
        <translation>Tab przechodzi od przycisku do przycisku, a Space naciska przycisk. Na kartce strzałki przesuwają pędzel, a Space maluje.</translation>
    </message>
    <message>
        <source>About</source>
        <comment>A heading.</comment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Pintaloo, version %1.</source>
        <comment>%1 is the version number.</comment>
        <translation>Pintaloo, wersja %1.</translation>
    </message>
    <message>
        <source>Credits.</source>
        <translation>Autorzy.</translation>
    </message>
    <message>
        <source>Every picture, colouring page, sound and cartoon in Pintaloo was made for it by the Pintaloo team and is kept with the program&apos;s source. Pintaloo is built on Qt, SDL_mixer and rlottie.</source>
        <translation>Każdy obrazek, kolorowankę, dźwięk i kreskówkę w Pintaloo zrobił specjalnie dla niego zespół Pintaloo; wszystkie są przechowywane razem z kodem źródłowym programu. Pintaloo jest zbudowane na Qt, SDL_mixer i rlottie.</translation>
    </message>
    <message>
        <source>Licence.</source>
        <translation>Licencja.</translation>
    </message>
    <message>
        <source>Pintaloo is free software: its program code is under the GNU General Public License, version 3 or later (%1); its pictures, sounds, cartoons and colouring pages are under the Creative Commons Attribution-ShareAlike 4.0 licence (%2); its software-centre metadata is under %3. The full texts come with the program, on Debian in %4.</source>
        <comment>%1, %2 and %3 are the licences&apos; short names, %4 a folder.</comment>
        <translation>Pintaloo jest wolnym oprogramowaniem: jego kod jest objęty licencją GNU General Public License w wersji 3 lub nowszej (%1); jego obrazki, dźwięki, kreskówki i kolorowanki są objęte licencją Creative Commons Attribution-ShareAlike 4.0 (%2); jego metadane dla centrum oprogramowania są objęte licencją %3. Pełne teksty są dołączone do programu, w Debianie w %4.</translation>
    </message>
    <message>
        <source>For grown-ups.</source>
        <translation>Dla dorosłych.</translation>
    </message>
    <message>
        <source>Pintaloo speaks the language of your desktop when it knows it, and English otherwise. Start it with %1 to choose one of: %2. Pintaloo remembers it.</source>
        <comment>%1 is the option as typed (&apos;--lang CODE&apos;), %2 the list of codes.</comment>
        <translation>Pintaloo mówi w języku twojego pulpitu, jeśli go zna, a jeśli nie, to po angielsku. Uruchom Pintaloo z %1, żeby wybrać jeden z języków: %2. Pintaloo zapamięta wybór.</translation>
    </message>
    <message>
        <source>Besides your pictures, Pintaloo keeps a few settings in %1: sound on or off, the language, full screen and the folder you last used.</source>
        <comment>%1 is a file.</comment>
        <translation>Oprócz twoich obrazków Pintaloo przechowuje w %1 kilka ustawień: dźwięk włączony lub wyłączony, język, pełny ekran i ostatnio używany folder.</translation>
    </message>
    <message>
        <source>The drawing on the page is kept in %1 a moment after each change, so it comes back when Pintaloo starts again, even after a crash. Drawings left for a new page go into %2.</source>
        <comment>%1 and %2 are folders.</comment>
        <translation>Rysunek z kartki jest zapisywany w %1 chwilę po każdej zmianie, więc wraca, gdy Pintaloo uruchomi się ponownie, nawet po awarii. Rysunki zostawione przy zaczynaniu nowej kartki trafiają do %2.</translation>
    </message>
    <message>
        <source>For children who use one or two switches: start Pintaloo with %1 and the buttons light up one after another; %2 gives one switch to move and one to press.</source>
        <comment>%1 and %2 are options as typed.</comment>
        <translation>Dla dzieci, które używają jednego lub dwóch przełączników: uruchom Pintaloo z %1, a przyciski będą się po kolei podświetlać; %2 daje jeden przełącznik do przechodzenia i drugi do naciskania.</translation>
    </message>
    <message>
        <source>Opens a box of %1 special brushes: rings, spray, dots, a rainbow ribbon, balls, a pen, daisies, stars, grass with flowers, splats, tiles, zigzags, bricks and more.</source>
        <comment>%1 is how many (17 or more).</comment>
        <translation>Otwiera pudełko z %1 specjalnymi pędzlami: kółka, spray, kropki, tęczowa wstążka, piłki, pióro, stokrotki, gwiazdki, trawa z kwiatkami, kleksy, kafelki, zygzaki, cegły i jeszcze więcej.</translation>
    </message>
    <message>
        <source>Opens a box of %1 kinds of magic: brushes that paint or change the paint under them, and tricks that change the whole picture at once.</source>
        <comment>%1 is how many (16 or more).</comment>
        <translation>Otwiera pudełko z %1 rodzajami magii: pędzlami, które malują albo zmieniają farbę pod sobą, i sztuczkami, które zmieniają cały obrazek naraz.</translation>
    </message>
    <message>
        <source>A pen paints wider when you press harder, and thinner when you press lightly.</source>
        <comment>Follows the help page&apos;s first paragraph, which says a child can paint with a pen.</comment>
        <translation>Rysik maluje szerzej, gdy mocniej naciskasz, i cieniej, gdy naciskasz lekko.</translation>
    </message>
    <message>
        <source>Opens the shapes and a straight line. Press where the middle of the shape goes and pull: the shape grows as you move, and stays on the page when you let go. Press the chosen shape in the box again to paint it filled in, or as an outline only.</source>
        <translation>Otwiera kształty i prostą linię. Naciśnij tam, gdzie ma być środek kształtu, i ciągnij: kształt rośnie, gdy się ruszasz, i zostaje na kartce, kiedy puścisz. Naciśnij jeszcze raz wybrany kształt w pudełku, żeby namalować go wypełnionego albo tylko jego obrys.</translation>
    </message>
    <message>
        <source>Writes a word on your drawing, such as your name. Press on the page where it goes, then type it on the keyboard or press the big letters on the board that opens. The arrow takes back a letter; the tick or Enter puts the word on the page in your colour, at the size of the bar you chose.</source>
        <translation>Pisze słowo na twoim rysunku, na przykład twoje imię. Naciśnij na kartce tam, gdzie ma być, i napisz je na klawiaturze albo naciskaj duże litery na tablicy, która się otworzy. Strzałka cofa literę; ptaszek lub Enter kładzie słowo na kartce w twoim kolorze, w wielkości wybranego paska.</translation>
    </message>
    <message>
        <source>Press the little rainbow under your colour to choose any colour at all. The dropper takes a colour from your picture.</source>
        <comment>Help page line about the field of every colour and the dropper, read aloud to a young child.</comment>
        <translation>Naciśnij małą tęczę pod swoim kolorem, żeby wybrać dowolny kolor. Pipeta bierze kolor z twojego obrazka.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Painting for Children</source>
        <comment>The launcher&apos;s generic name, shown under or beside &apos;Pintaloo&apos;.</comment>
        <translation>Malowanie dla dzieci</translation>
    </message>
    <message>
        <source>Paint with crayons, stamps and colouring pages</source>
        <comment>The launcher&apos;s tooltip.</comment>
        <translation>Maluj kredkami, pieczątkami i koloruj kolorowanki</translation>
    </message>
    <message>
        <source>paint;draw;crayon;colouring;stamps;children;kids;</source>
        <comment>Words a menu search finds Pintaloo by: separated and ended by &apos;;&apos;, no spaces around them.</comment>
        <translation>malowanie;rysowanie;kredki;kolorowanki;pieczątki;dzieci;</translation>
    </message>
    <message>
        <source>Painting for young children</source>
        <comment>The software centre&apos;s one-line summary.</comment>
        <translation>Malowanie dla małych dzieci</translation>
    </message>
    <message>
        <source>Pintaloo is a painting program for young children. Big friendly buttons, sounds and short cartoons make every tool easy to find, and nothing a child does can break anything.</source>
        <comment>The software centre&apos;s description, first paragraph.</comment>
        <translation>Pintaloo to program do malowania dla małych dzieci. Dzięki dużym, przyjaznym przyciskom, dźwiękom i krótkim kreskówkom każde narzędzie łatwo znaleźć, a nic, co zrobi dziecko, niczego nie zepsuje.</translation>
    </message>
    <message>
        <source>A crayon pencil whose colour blends into the paint already on the page</source>
        <comment>The software centre&apos;s list of what Pintaloo does.</comment>
        <translation>Kredka, której kolor miesza się z farbą już leżącą na kartce</translation>
    </message>
    <message>
        <source>An eraser, flood fill and patterned and picture brushes</source>
        <translation>Gumka, wypełnianie kolorem oraz pędzle z wzorami i obrazkami</translation>
    </message>
    <message>
        <source>Stamps that come out smaller further up the page</source>
        <translation>Pieczątki, które są tym mniejsze, im wyżej na kartce</translation>
    </message>
    <message>
        <source>An oil-painting effect</source>
        <translation>Efekt obrazu olejnego</translation>
    </message>
    <message>
        <source>Colouring pages whose outlines the pencil never covers</source>
        <translation>Kolorowanki, których konturów kredka nigdy nie zakrywa</translation>
    </message>
    <message>
        <source>A gallery of the child&apos;s own drawings, and each drawing played back as a film</source>
        <translation>Galeria własnych rysunków dziecka, a każdy rysunek można odtworzyć jak film</translation>
    </message>
    <message>
        <source>Sixteen languages, and painting by touch, pen, keyboard or switch</source>
        <translation>Szesnaście języków oraz malowanie dotykiem, rysikiem, klawiaturą lub przełącznikiem</translation>
    </message>
    <message>
        <source>Pintaloo needs no network, shows no advertising and collects nothing.</source>
        <comment>The software centre&apos;s description, last paragraph.</comment>
        <translation>Pintaloo nie potrzebuje sieci, nie wyświetla reklam i niczego nie zbiera.</translation>
    </message>
    <message>
        <source>A picture painted with crayons and stamps</source>
        <comment>Caption of the software centre&apos;s screenshot.</comment>
        <translation>Obrazek namalowany kredkami i pieczątkami</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The film was not saved</source>
        <translation>Film nie został zapisany</translation>
    </message>
    <message>
        <source>Pintaloo could not save the film as
%1

%2

Please try another folder.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo nie mogło zapisać filmu jako
%1

%2

Spróbuj zapisać go w innym folderze.</translation>
    </message>
    <message>
        <source>The film was saved</source>
        <translation>Film został zapisany</translation>
    </message>
    <message>
        <source>There was too much to film: the film stops before the drawing is finished.</source>
        <translation>Było za dużo do nagrania: film urywa się, zanim rysunek zostanie skończony.</translation>
    </message>
    <message>
        <source>The picture was not opened</source>
        <translation>Obrazek nie został otwarty</translation>
    </message>
    <message>
        <source>This file is not a picture Pintaloo can open.</source>
        <translation>Ten plik nie jest obrazkiem, który Pintaloo umie otworzyć.</translation>
    </message>
    <message>
        <source>This picture took too long to open.</source>
        <translation>Otwieranie tego obrazka trwało za długo.</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>Obrazek nie został zapisany</translation>
    </message>
    <message>
        <source>Pintaloo could not save the picture as
%1

%2

The drawing is still on the page: please try another folder or free some disk space.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo nie mogło zapisać obrazka jako
%1

%2

Rysunek nadal jest na kartce: spróbuj innego folderu albo zwolnij trochę miejsca na dysku.</translation>
    </message>
    <message>
        <source>Pintaloo saves pictures as .bmp, .png or .jpg.</source>
        <translation>Pintaloo zapisuje obrazki jako .bmp, .png lub .jpg.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <comment>The reason given when the disk is full; it follows a file name.</comment>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>Pintaloo could not read this file.</source>
        <translation>Pintaloo nie mogło odczytać tego pliku.</translation>
    </message>
    <message>
        <source>This picture is too big for Pintaloo to open.</source>
        <translation>Ten obrazek jest za duży, żeby Pintaloo mogło go otworzyć.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete, so Pintaloo cannot open it.</source>
        <translation>Ten obrazek jest uszkodzony lub niekompletny, więc Pintaloo nie może go otworzyć.</translation>
    </message>
    <message>
        <source>This picture takes too long to open, so Pintaloo stopped trying.</source>
        <translation>Otwieranie tego obrazka trwa za długo, więc Pintaloo przestało próbować.</translation>
    </message>
    <message>
        <source>Pintaloo opens bitmap (.bmp), JPEG and PNG pictures.</source>
        <comment>Follows a refusal: which kinds of picture Pintaloo opens.</comment>
        <translation>Pintaloo otwiera obrazki w formatach bitmapa (.bmp), JPEG i PNG.</translation>
    </message>
    <message>
        <source>The drawing is still on the page.</source>
        <comment>Ends every message that says a picture was not opened or saved.</comment>
        <translation>Rysunek nadal jest na kartce.</translation>
    </message>
    <message>
        <source>Pintaloo cannot save a picture as
%1

Please end the name with .bmp, .png or .jpg, or leave the ending off for a bitmap. The drawing is still on the page.</source>
        <comment>%1 is the name the parent typed. A bitmap is a .bmp file.</comment>
        <translation>Pintaloo nie może zapisać obrazka jako
%1

Zakończ nazwę na .bmp, .png lub .jpg albo pomiń końcówkę, a powstanie bitmapa. Rysunek nadal jest na kartce.</translation>
    </message>
    <message>
        <source>Your drawing is not being kept</source>
        <translation>Twój rysunek nie jest przechowywany</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

%2

The drawing stays on the page while Pintaloo is open, and Pintaloo keeps trying. To be sure, save the drawing before quitting.</source>
        <comment>%1 is the folder, %2 the reason (a system message). Pintaloo keeps the drawing between runs.</comment>
        <translation>Pintaloo nie może tu przechowywać twojego rysunku:
%1

%2

Rysunek zostaje na kartce, dopóki Pintaloo jest otwarte, a Pintaloo wciąż próbuje. Dla pewności zapisz rysunek przed wyjściem.</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

Another Pintaloo (perhaps in another login) is already keeping its drawing there. This one starts blank and keeps nothing: save the drawing before quitting.</source>
        <comment>%1 is the folder. Two copies of Pintaloo cannot keep one drawing.</comment>
        <translation>Pintaloo nie może tu przechowywać twojego rysunku:
%1

Inne Pintaloo (może w innej sesji) już przechowuje tam swój rysunek. To Pintaloo zaczyna od pustej kartki i niczego nie przechowuje: zapisz rysunek przed wyjściem.</translation>
    </message>
    <message>
        <source>The drawing kept last time could not be read, so the page starts blank. It was not thrown away: it was put aside as
%1</source>
        <comment>%1 is the name the unreadable file was put aside as.</comment>
        <translation>Nie udało się odczytać rysunku przechowanego ostatnim razem, więc kartka jest pusta. Rysunek nie został wyrzucony: odłożono go na bok jako
%1</translation>
    </message>
    <message>
        <source>Your drawing has not been kept and will be gone when Pintaloo closes.

Save it now?</source>
        <comment>A question; the Yes button saves.</comment>
        <translation>Twój rysunek nie został przechowany i zniknie, gdy Pintaloo się zamknie.

Zapisać go teraz?</translation>
    </message>
    <message>
        <source>The film was not kept</source>
        <translation>Film nie został przechowany</translation>
    </message>
    <message>
        <source>The picture was saved as
%1

but its film could not be kept beside it as
%2

%3</source>
        <comment>%1 is the picture&apos;s file, %2 the story file beside it, %3 the reason.</comment>
        <translation>Obrazek został zapisany jako
%1

ale jego filmu nie udało się przechować obok jako
%2

%3</translation>
    </message>
    <message>
        <source>Drawings are not going into My drawings</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name; use the same words as its button.</comment>
        <translation>Rysunki nie trafiają do galerii „Moje rysunki”</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

Nothing is lost: they are kept in
%3</source>
        <comment>%1 the gallery folder, %2 the reason, %3 the folder the drawings are kept in instead.</comment>
        <translation>Nie można umieścić rysunków w
%1

%2

Nic nie zginęło: są przechowywane w
%3</translation>
    </message>
    <message>
        <source>The film could not be made.</source>
        <comment>The reason a film was not saved, under the file&apos;s name.</comment>
        <translation>Nie udało się zrobić filmu.</translation>
    </message>
    <message>
        <source>The film could not be written: %1</source>
        <comment>The reason a film was not saved; %1 is the system&apos;s reason.</comment>
        <translation>Nie udało się zapisać filmu: %1</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

nor into Pintaloo&apos;s own folder. They are kept only while Pintaloo is open: press Save and choose a folder, and they are saved there with the drawing.</source>
        <comment>%1 the gallery folder, %2 the reason. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>Nie można umieścić rysunków w
%1

%2

ani we własnym folderze Pintaloo. Są przechowywane tylko do zamknięcia Pintaloo: naciśnij Zachowaj i wybierz folder, a zostaną tam zapisane razem z rysunkiem.</translation>
    </message>
    <message>
        <source>Pintaloo keeps at most %1 drawings in memory, so the oldest of them is gone. Press Save and choose a folder to keep the others.</source>
        <comment>%1 a number, 30 or so. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>Pintaloo przechowuje w pamięci najwyżej %1 rysunków, więc najstarszy z nich przepadł. Naciśnij Zachowaj i wybierz folder, aby zachować pozostałe.</translation>
    </message>
    <message>
        <source>Drawings kept only in memory, because no folder would take them: %1.

They are lost when Pintaloo closes. Save them now into a folder you choose?</source>
        <comment>%1 a number. A question: yes opens the save dialog.</comment>
        <translation>Rysunki przechowywane tylko w pamięci, bo żaden folder ich nie przyjął: %1.

Przepadną po zamknięciu Pintaloo. Zapisać je teraz w wybranym folderze?</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Szukaj w:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Nazwa &amp;pliku:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Pliki rodzaju:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zachowaj</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zachowaj jako</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Powrót</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Do przodu</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Katalog wyżej</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Utwórz nowy katalog</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nowy katalog</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Ostatnie miejsca</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 już istnieje.
Czy chcesz go zastąpić?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modyfikacji</translation>
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
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Wy&amp;drukuj</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opcje &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opcje &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Drukuj do pliku (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Plik lokalny</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Zapisz do pliku PDF</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Liczba kopii:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Zakres wydruku</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Drukuj wszystko</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Strony od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Tryb koloru</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Skala szarości</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Właściwości</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Położenie:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Plik wyjściowy:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Drawing paper: %1</source>
        <comment>What a screen reader says of the page; %1 is the chosen tool.</comment>
        <translation>Kartka do rysowania: %1</translation>
    </message>
    <message>
        <source>Stamp %1</source>
        <comment>Screen reader: a stamp in the stamp box; %1 counts from 1.</comment>
        <translation>Pieczątka %1</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <comment>Screen reader: a brush in the brush box; %1 counts from 1.</comment>
        <translation>Wzór %1</translation>
    </message>
    <message>
        <source>Stamp group %1</source>
        <comment>Screen reader: a group of stamps; %1 counts from 1.</comment>
        <translation>Grupa pieczątek %1</translation>
    </message>
    <message>
        <source>Animation %1</source>
        <comment>Screen reader: one of the short cartoons; %1 counts from 1.</comment>
        <translation>Animacja %1</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <comment>Screen reader: the big box showing the chosen colour, which plays a cartoon when pressed.</comment>
        <translation>Kreskówki</translation>
    </message>
    <message>
        <source>Take this page</source>
        <comment>Screen reader: the big colouring page in its panel; pressing it takes the page.</comment>
        <translation>Weź tę kolorowankę</translation>
    </message>
    <message>
        <source>Next drawing</source>
        <comment>Screen reader: arrow to the next colouring page or drawing.</comment>
        <translation>Następny rysunek</translation>
    </message>
    <message>
        <source>Previous drawing</source>
        <comment>Screen reader: arrow to the previous colouring page or drawing.</comment>
        <translation>Poprzedni rysunek</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Children</source>
        <comment>Title of the grown-up&apos;s settings page that lists the children who share this computer.</comment>
        <translation>Dzieci</translation>
    </message>
    <message>
        <source>With two or more children, each one presses their own picture at the start and keeps their own drawings.</source>
        <comment>The line at the top of the grown-up&apos;s settings page for the children.</comment>
        <translation>Gdy dzieci jest dwoje lub więcej, każde na początku naciska swój obrazek i ma własne rysunki.</translation>
    </message>
    <message>
        <source>Child&apos;s name</source>
        <comment>Label of the field where a grown-up writes a child&apos;s name.</comment>
        <translation>Imię dziecka</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <comment>Tooltip of the button that opens the grid of pictures a child can have as their own.</comment>
        <translation>Wybierz obrazek</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>Button on the grown-up&apos;s settings page that adds a row for one more child.</comment>
        <translation>Dodaj dziecko</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>Button that removes a child from the list (their drawings stay where they are).</comment>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Move up</source>
        <comment>Button that moves a child one place up the list.</comment>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <comment>Button that moves a child one place down the list.</comment>
        <translation>W dół</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Pintaloo needs a graphical desktop (X11 or Wayland), and none could be opened here.</source>
        <comment>Printed on the terminal when Pintaloo is started without a graphical desktop.</comment>
        <translation>Pintaloo potrzebuje środowiska graficznego (X11 lub Wayland), a tutaj nie udało się żadnego otworzyć.</translation>
    </message>
    <message>
        <source>Pintaloo is already open, but its window could not be brought to the front. Look for it on the task bar, or close it and start Pintaloo again.</source>
        <comment>Printed on the terminal, and shown in a message box, when Pintaloo is started while another Pintaloo runs and that one could not be asked to show its window.</comment>
        <translation>Pintaloo jest już otwarte, ale nie udało się wysunąć jego okna na wierzch. Poszukaj go na pasku zadań albo je zamknij i uruchom Pintaloo ponownie.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wait...</source>
        <comment>Shown over the page while the oil painting is being made.</comment>
        <translation>Czekaj...</translation>
    </message>
    <message>
        <source>Select a drawing</source>
        <comment>Title of the panel that leafs through the colouring pages. Speak to a child (informal you).</comment>
        <translation>Wybierz rysunek</translation>
    </message>
    <message>
        <source>Close me</source>
        <comment>Tooltip of the window&apos;s close button, spoken by the window itself.</comment>
        <translation>Zamknij mnie</translation>
    </message>
    <message>
        <source>Minimize me</source>
        <comment>Tooltip of the window&apos;s minimise button, spoken by the window itself.</comment>
        <translation>Schowaj mnie</translation>
    </message>
    <message>
        <source>New page</source>
        <comment>Tooltip: starts again on a clean white page.</comment>
        <translation>Nowa kartka</translation>
    </message>
    <message>
        <source>New coloring page</source>
        <comment>Tooltip: opens the panel of colouring pages.</comment>
        <translation>Nowa kolorowanka</translation>
    </message>
    <message>
        <source>Save drawing</source>
        <comment>Tooltip of the save button, and the save dialog&apos;s title.</comment>
        <translation>Zapisz rysunek</translation>
    </message>
    <message>
        <source>Help/About</source>
        <comment>Tooltip of the help button, and the help window&apos;s title.</comment>
        <translation>Pomoc/O programie</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>Tool: a crayon that blends into the paint under it.</comment>
        <translation>Kredka</translation>
    </message>
    <message>
        <source>Models brush</source>
        <comment>Tool: opens a box of patterned and picture brushes (rings, stars, grass...).</comment>
        <translation>Pędzel z wzorami</translation>
    </message>
    <message>
        <source>Stamp brush</source>
        <comment>Tool: opens the stamps (animals, cars, flowers...).</comment>
        <translation>Pieczątki</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gumka</translation>
    </message>
    <message>
        <source>Oil drawing</source>
        <comment>Tool: turns the whole picture into an oil painting.</comment>
        <translation>Obraz olejny</translation>
    </message>
    <message>
        <source>Fill with color</source>
        <comment>Tool: a paint pot that fills an area.</comment>
        <translation>Wypełnij kolorem</translation>
    </message>
    <message>
        <source>Brush size</source>
        <comment>Tooltip of the four bars that choose how thick the brush is.</comment>
        <translation>Grubość pędzla</translation>
    </message>
    <message>
        <source>Select the color</source>
        <comment>Tooltip of each of the 24 colour swatches.</comment>
        <translation>Wybierz kolor</translation>
    </message>
    <message>
        <source>Open a drawing</source>
        <comment>Caption in the colouring-page panel, and the open dialog&apos;s title.</comment>
        <translation>Otwórz rysunek</translation>
    </message>
    <message>
        <source>Pintaloo %1 · help and about</source>
        <comment>The line at the foot of the window; %1 is the version number. Clicking it opens the help.</comment>
        <translation>Pintaloo %1 · pomoc i informacje</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Tooltip: take back the last thing painted.</comment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Tooltip: bring back what Undo took.</comment>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <comment>Tooltip of the button that turns the sounds off and on.</comment>
        <translation>Włącz/wyłącz dźwięk</translation>
    </message>
    <message>
        <source>Full screen</source>
        <comment>Name of the full-screen switch (F11); read by screen readers.</comment>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <comment>Tooltip of the round close button on a panel (stamps, brushes, pages).</comment>
        <translation>Zamknij ten panel</translation>
    </message>
    <message>
        <source>Watch it again</source>
        <comment>Button: plays the drawing again from the first stroke, like a film.</comment>
        <translation>Obejrzyj jeszcze raz</translation>
    </message>
    <message>
        <source>Save the film</source>
        <comment>Button: saves that film as an animated picture. Also the film&apos;s proposed file name.</comment>
        <translation>Zapisz film</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Button: stops the film.</comment>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>My drawings</source>
        <comment>Button and panel title: the child&apos;s gallery of drawings Pintaloo kept.</comment>
        <translation>Moje rysunki</translation>
    </message>
    <message>
        <source>Show them all</source>
        <comment>Button: shows all the drawings one after another, full screen.</comment>
        <translation>Pokaż wszystkie</translation>
    </message>
    <message>
        <source>Put this drawing in the trash (press twice)</source>
        <comment>Tooltip of the bin under each drawing in the gallery.</comment>
        <translation>Wyrzuć ten rysunek do kosza (naciśnij dwa razy)</translation>
    </message>
    <message>
        <source>Really?</source>
        <comment>The bin&apos;s caption after its first press; a second press removes the drawing.</comment>
        <translation>Na pewno?</translation>
    </message>
    <message>
        <source>Magic</source>
        <comment>Tool: opens a box of magic brushes and magic tricks for the whole picture.</comment>
        <translation>Magia</translation>
    </message>
    <message>
        <source>Mirror Paint</source>
        <comment>A magic brush: a crayon whose line is copied, mirrored, on the other half of the picture.</comment>
        <translation>Lustrzane malowanie</translation>
    </message>
    <message>
        <source>Mirror Paint: draw on one side and the other side copies you, like a mirror.</source>
        <comment>The help line of the mirror painting brush, read aloud to a child.</comment>
        <translation>Lustrzane malowanie: rysuj po jednej stronie, a druga strona cię naśladuje jak lustro.</translation>
    </message>
    <message>
        <source>Four Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied four times, mirrored into each corner.</comment>
        <translation>Cztery lustra</translation>
    </message>
    <message>
        <source>Four Mirrors: your drawing appears four times, once in each corner.</source>
        <comment>The help line of the four-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Cztery lustra: twój rysunek pojawia się cztery razy, raz w każdym rogu.</translation>
    </message>
    <message>
        <source>Eight Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied eight times around the middle, like a kaleidoscope.</comment>
        <translation>Osiem luster</translation>
    </message>
    <message>
        <source>Eight Mirrors: your drawing appears eight times around the middle, like a snowflake.</source>
        <comment>The help line of the eight-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Osiem luster: twój rysunek pojawia się osiem razy wokół środka, jak płatek śniegu.</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>A magic brush that draws grainy lines like a stick of chalk.</comment>
        <translation>Kreda</translation>
    </message>
    <message>
        <source>Chalk: draw dusty, bumpy lines like chalk on the pavement.</source>
        <comment>The help line of the chalk brush, read aloud to a child.</comment>
        <translation>Kreda: rysuj pyliste, chropowate linie jak kredą na chodniku.</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <comment>A magic brush that scatters little twinkling stars along the line.</comment>
        <translation>Iskierki</translation>
    </message>
    <message>
        <source>Sparkles: draw a trail of twinkling stars.</source>
        <comment>The help line of the sparkles brush, read aloud to a child.</comment>
        <translation>Iskierki: narysuj ścieżkę migoczących gwiazdek.</translation>
    </message>
    <message>
        <source>Blur</source>
        <comment>A magic brush that makes the paint soft and fuzzy.</comment>
        <translation>Rozmycie</translation>
    </message>
    <message>
        <source>Blur: paint over your picture to make it soft and dreamy.</source>
        <comment>The help line of the blur brush, read aloud to a small child.</comment>
        <translation>Rozmycie: maluj po obrazku, a stanie się miękki i rozmarzony.</translation>
    </message>
    <message>
        <source>Smudge</source>
        <comment>A magic brush that drags the paint along like a wet finger.</comment>
        <translation>Rozmazywanie</translation>
    </message>
    <message>
        <source>Smudge: push the paint around like a wet finger.</source>
        <comment>The help line of the smudge brush, read aloud to a small child.</comment>
        <translation>Rozmazywanie: przesuwaj farbę jak mokrym palcem.</translation>
    </message>
    <message>
        <source>Tint</source>
        <comment>A magic brush that colours the paint under it with the chosen colour, keeping its light and dark parts.</comment>
        <translation>Barwienie</translation>
    </message>
    <message>
        <source>Tint: give your painting a new color and keep its light and dark.</source>
        <comment>The help line of the tint brush, read aloud to a small child.</comment>
        <translation>Barwienie: nadaj obrazkowi nowy kolor, a jasne i ciemne miejsca zostaną.</translation>
    </message>
    <message>
        <source>Lighten</source>
        <comment>A magic brush that makes the paint paler with each stroke.</comment>
        <translation>Rozjaśnianie</translation>
    </message>
    <message>
        <source>Lighten: paint over colors to make them lighter.</source>
        <comment>The help line of the lighten brush, read aloud to a small child.</comment>
        <translation>Rozjaśnianie: maluj po kolorach, a staną się jaśniejsze.</translation>
    </message>
    <message>
        <source>Darken</source>
        <comment>A magic brush that makes the paint deeper with each stroke.</comment>
        <translation>Przyciemnianie</translation>
    </message>
    <message>
        <source>Darken: paint over colors to make them darker.</source>
        <comment>The help line of the darken brush, read aloud to a small child.</comment>
        <translation>Przyciemnianie: maluj po kolorach, a staną się ciemniejsze.</translation>
    </message>
    <message>
        <source>Opposite</source>
        <comment>A magic brush that turns colours into their opposites, like a photo negative: white becomes black, yellow becomes blue.</comment>
        <translation>Odwrotność</translation>
    </message>
    <message>
        <source>Opposite: turn colors into their opposites, light into dark.</source>
        <comment>The help line of the negative brush, read aloud to a small child.</comment>
        <translation>Odwrotność: zamień kolory na przeciwne, jasne na ciemne.</translation>
    </message>
    <message>
        <source>Upside down</source>
        <comment>A magic effect that turns the whole picture upside down at one press.</comment>
        <translation>Do góry nogami</translation>
    </message>
    <message>
        <source>Upside down: press to turn your whole picture upside down.</source>
        <comment>Help line of the upside-down magic effect, read aloud to a young child.</comment>
        <translation>Do góry nogami: naciśnij, żeby odwrócić cały rysunek do góry nogami.</translation>
    </message>
    <message>
        <source>Swap sides</source>
        <comment>A magic effect that turns the whole picture around, left to right, at one press.</comment>
        <translation>Zamiana stron</translation>
    </message>
    <message>
        <source>Swap sides: press to turn your picture around, left to right.</source>
        <comment>Help line of the swap-sides magic effect, read aloud to a young child.</comment>
        <translation>Zamiana stron: naciśnij, żeby odwrócić rysunek z lewej na prawą.</translation>
    </message>
    <message>
        <source>Snow</source>
        <comment>A magic effect that lets snowflakes fall all over the picture at one press.</comment>
        <translation>Śnieg</translation>
    </message>
    <message>
        <source>Snow: press to make snowflakes fall all over your picture.</source>
        <comment>Help line of the snow magic effect, read aloud to a young child.</comment>
        <translation>Śnieg: naciśnij, a na cały rysunek spadną płatki śniegu.</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <comment>A magic effect that shows the picture through big round soap bubbles.</comment>
        <translation>Bańki</translation>
    </message>
    <message>
        <source>Bubbles: press to see your picture through soap bubbles.</source>
        <comment>Help line of the bubbles magic effect, read aloud to a young child.</comment>
        <translation>Bańki: naciśnij, żeby zobaczyć rysunek przez bańki mydlane.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>A magic effect that turns the whole picture into little square tiles, as a mosaic.</comment>
        <translation>Kwadraciki</translation>
    </message>
    <message>
        <source>Blocks: press to make your picture out of little squares.</source>
        <comment>Help line of the blocks (mosaic) magic effect, read aloud to a young child.</comment>
        <translation>Kwadraciki: naciśnij, żeby ułożyć rysunek z małych kwadracików.</translation>
    </message>
    <message>
        <source>Shapes and lines</source>
        <comment>Tool: opens a box of shapes (circle, square, star, heart...) and a straight line, which the child drags out to size.</comment>
        <translation>Kształty i linie</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>Tool: write words on the picture, with the keyboard or big letter buttons.</comment>
        <translation>Litery</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>A shape tool: a round circle, dragged out from its middle.</comment>
        <translation>Koło</translation>
    </message>
    <message>
        <source>Circle: press for the middle and pull out a round circle.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Koło: naciśnij, gdzie ma być środek, i rozciągnij okrągłe koło.</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>A shape tool: an oval, dragged out from its middle, as wide and tall as you pull.</comment>
        <translation>Owal</translation>
    </message>
    <message>
        <source>Oval: press for the middle and pull out an egg shape, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Owal: naciśnij, gdzie ma być środek, i rozciągnij kształt jajka, długi albo wysoki.</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>A shape tool: a square, dragged out from its middle.</comment>
        <translation>Kwadrat</translation>
    </message>
    <message>
        <source>Square: press for the middle and pull out a square.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Kwadrat: naciśnij, gdzie ma być środek, i rozciągnij kwadrat.</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>A shape tool: a box, dragged out from its middle to a corner.</comment>
        <translation>Prostokąt</translation>
    </message>
    <message>
        <source>Rectangle: press for the middle and pull a corner out, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Prostokąt: naciśnij, gdzie ma być środek, i odciągnij róg, wszerz albo wzwyż.</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>A shape tool: a triangle standing on its base, dragged out from its middle.</comment>
        <translation>Trójkąt</translation>
    </message>
    <message>
        <source>Triangle: press for the middle and pull out a triangle like a little roof.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Trójkąt: naciśnij, gdzie ma być środek, i rozciągnij trójkąt jak mały daszek.</translation>
    </message>
    <message>
        <source>Star</source>
        <comment>A shape tool: a five-pointed star, dragged out from its middle.</comment>
        <translation>Gwiazda</translation>
    </message>
    <message>
        <source>Star: press for the middle and pull out a big star.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Gwiazda: naciśnij, gdzie ma być środek, i rozciągnij dużą gwiazdę.</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>A shape tool: a heart, dragged out from its middle.</comment>
        <translation>Serce</translation>
    </message>
    <message>
        <source>Heart: press for the middle and pull out a heart.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Serce: naciśnij, gdzie ma być środek, i rozciągnij serce.</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>A shape tool: a diamond (a square standing on its corner), dragged out from its middle.</comment>
        <translation>Romb</translation>
    </message>
    <message>
        <source>Diamond: press for the middle and pull out a diamond, like a kite.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Romb: naciśnij, gdzie ma być środek, i rozciągnij romb jak latawiec.</translation>
    </message>
    <message>
        <source>Straight line</source>
        <comment>A shape tool: a straight line drawn with the crayon, from where you press to where you let go.</comment>
        <translation>Prosta linia</translation>
    </message>
    <message>
        <source>Straight line: press where it starts and let go where it ends.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Prosta linia: naciśnij, gdzie się zaczyna, i puść, gdzie się kończy.</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>A key of the on-screen letter board: a gap between two words.</comment>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Take back a letter</source>
        <comment>A key of the on-screen letter board that removes the last letter written.</comment>
        <translation>Cofnij literę</translation>
    </message>
    <message>
        <source>Put the word on the page</source>
        <comment>A key of the on-screen letter board that ends the word and leaves it on the drawing.</comment>
        <translation>Połóż słowo na kartce</translation>
    </message>
    <message>
        <source>Letters: press on the page where your word goes, then press the big letters.</source>
        <comment>What the on-screen letter board is for, read aloud to a young child.</comment>
        <translation>Litery: naciśnij na kartce tam, gdzie ma być twoje słowo, a potem naciskaj duże litery.</translation>
    </message>
    <message>
        <source>More colors: the rainbow</source>
        <comment>Tooltip and screen-reader name of the little rainbow under the chosen colour: it opens a big field of every colour.</comment>
        <translation>Więcej kolorów: tęcza</translation>
    </message>
    <message>
        <source>Rainbow: press a color</source>
        <comment>Screen-reader name of the big field of colours; a press or a drag on it chooses the colour there. Speak to a child (informal you).</comment>
        <translation>Tęcza: naciśnij kolor</translation>
    </message>
    <message>
        <source>Dropper: take a color from your picture</source>
        <comment>Tooltip of the dropper button: the next press on the picture takes the colour there. Speak to a child (informal you).</comment>
        <translation>Pipeta: weź kolor ze swojego obrazka</translation>
    </message>
    <message>
        <source>Close the rainbow</source>
        <comment>Tooltip of the button that closes the big field of colours.</comment>
        <translation>Zamknij tęczę</translation>
    </message>
    <message>
        <source>Animals</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;animals&apos;.</comment>
        <translation>Zwierzęta</translation>
    </message>
    <message>
        <source>Clothes</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;clothes&apos;.</comment>
        <translation>Ubrania</translation>
    </message>
    <message>
        <source>Food</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;food&apos;.</comment>
        <translation>Jedzenie</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;hobbies&apos;.</comment>
        <translation>Hobby</translation>
    </message>
    <message>
        <source>At home</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;household&apos;.</comment>
        <translation>W domu</translation>
    </message>
    <message>
        <source>Doctor and nurse</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;medical&apos;.</comment>
        <translation>Lekarz i pielęgniarka</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;military&apos;.</comment>
        <translation>Żołnierze</translation>
    </message>
    <message>
        <source>Weather and nature</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;naturalforces&apos;.</comment>
        <translation>Pogoda i przyroda</translation>
    </message>
    <message>
        <source>People</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;people&apos;.</comment>
        <translation>Ludzie</translation>
    </message>
    <message>
        <source>Plants</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;plants&apos;.</comment>
        <translation>Rośliny</translation>
    </message>
    <message>
        <source>Holidays and seasons</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;seasonal&apos;.</comment>
        <translation>Święta i pory roku</translation>
    </message>
    <message>
        <source>Stars and planets</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;space&apos;.</comment>
        <translation>Gwiazdy i planety</translation>
    </message>
    <message>
        <source>Sports</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;sports&apos;.</comment>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Signs and symbols</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;symbols&apos;.</comment>
        <translation>Znaki i symbole</translation>
    </message>
    <message>
        <source>Town</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;town&apos;.</comment>
        <translation>Miasto</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;vehicles&apos;.</comment>
        <translation>Pojazdy</translation>
    </message>
    <message>
        <source>Other stamps</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing): the stamps found directly in a stamp collection&apos;s folder, not in a theme.</comment>
        <translation>Inne pieczątki</translation>
    </message>
    <message>
        <source>All the stamps</source>
        <comment>Title of the big stamp browser while it shows the groups of stamps. Speak to a child (informal you).</comment>
        <translation>Wszystkie stempelki</translation>
    </message>
    <message>
        <source>More stamps</source>
        <comment>Tooltip of the big button in the stamps panel that opens the browser of many more stamps. Speak to a child (informal you).</comment>
        <translation>Więcej stempelków</translation>
    </message>
    <message>
        <source>Small stamps</source>
        <comment>Tooltip of the button that makes stamps small. Speak to a child (informal you).</comment>
        <translation>Małe stempelki</translation>
    </message>
    <message>
        <source>Middle-sized stamps</source>
        <comment>Tooltip of the button that makes stamps their usual, middle size. Speak to a child (informal you).</comment>
        <translation>Średnie stempelki</translation>
    </message>
    <message>
        <source>Big stamps</source>
        <comment>Tooltip of the button that makes stamps big. Speak to a child (informal you).</comment>
        <translation>Duże stempelki</translation>
    </message>
    <message>
        <source>Giant stamps</source>
        <comment>Tooltip of the button that makes stamps very big. Speak to a child (informal you).</comment>
        <translation>Olbrzymie stempelki</translation>
    </message>
    <message>
        <source>Turn the stamp left to right</source>
        <comment>Tooltip of the button that mirrors the stamp (left becomes right). Speak to a child (informal you).</comment>
        <translation>Odwróć stempelek w bok</translation>
    </message>
    <message>
        <source>Turn the stamp upside down</source>
        <comment>Tooltip of the button that flips the stamp upside down. Speak to a child (informal you).</comment>
        <translation>Odwróć stempelek do góry nogami</translation>
    </message>
    <message>
        <source>Back to all the stamps</source>
        <comment>Tooltip of the button in the stamp browser that goes back from one group to all the groups. Speak to a child (informal you).</comment>
        <translation>Wróć do wszystkich stempelków</translation>
    </message>
    <message>
        <source>Close the stamps</source>
        <comment>Tooltip of the button that closes the big stamp browser. Speak to a child (informal you).</comment>
        <translation>Zamknij stempelki</translation>
    </message>
    <message>
        <source>Stamps before</source>
        <comment>Tooltip of the arrow that shows the page of stamps before this one. Speak to a child (informal you).</comment>
        <translation>Stempelki wcześniej</translation>
    </message>
    <message>
        <source>More stamps after</source>
        <comment>Tooltip of the arrow that shows the next page of stamps. Speak to a child (informal you).</comment>
        <translation>Następne stempelki</translation>
    </message>
    <message>
        <source>All the pages</source>
        <comment>Tooltip of the button that shows every colouring page at once as little pictures, and the title of that panel.</comment>
        <translation>Wszystkie strony</translation>
    </message>
    <message>
        <source>Color this page</source>
        <comment>Tooltip and screen-reader name of one little picture of a colouring page: a press puts it on the canvas. Speak to a child (informal you).</comment>
        <translation>Pokoloruj tę stronę</translation>
    </message>
    <message>
        <source>Paper to paint on</source>
        <comment>Tooltip of the button that offers coloured paper and background pictures for a new page, and the title of that panel.</comment>
        <translation>Papier do malowania</translation>
    </message>
    <message>
        <source>Start on this paper</source>
        <comment>Tooltip and screen-reader name of one coloured paper or background picture: a press starts a new page on it. Speak to a child (informal you).</comment>
        <translation>Zacznij na tym papierze</translation>
    </message>
    <message>
        <source>Close: only with a grown-up</source>
        <comment>Tooltip and screen-reader name of the window&apos;s close button when the school has locked closing: a grown-up must answer a question first.</comment>
        <translation>Zamknij: tylko z dorosłym</translation>
    </message>
    <message>
        <source>Who is painting?</source>
        <comment>The friendly question over the big pictures of the children who share the computer, read aloud to a young child at the start.</comment>
        <translation>Kto teraz maluje?</translation>
    </message>
    <message>
        <source>Another child&apos;s turn</source>
        <comment>Tooltip of the small picture of the child painting now, in the window&apos;s corner: a press lets another child choose their picture.</comment>
        <translation>Kolej innego dziecka</translation>
    </message>
    <message>
        <source>Collect the drawings</source>
        <comment>The grown-up&apos;s settings page that gathers a span of days of drawings into files; its name on the window&apos;s side.</comment>
        <translation>Zbierz rysunki</translation>
    </message>
    <message>
        <source>Whose drawings?</source>
        <comment>Label of the choice of child whose drawings are collected (or everyone).</comment>
        <translation>Czyje rysunki?</translation>
    </message>
    <message>
        <source>Everyone</source>
        <comment>The choice that collects the drawings of every child.</comment>
        <translation>Wszyscy</translation>
    </message>
    <message>
        <source>All the drawings</source>
        <comment>Shown instead of a choice of child when the account has no children named.</comment>
        <translation>Wszystkie rysunki</translation>
    </message>
    <message>
        <source>From</source>
        <comment>Label of the first day of the span of days collected.</comment>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <comment>Label of the last day of the span of days collected (included).</comment>
        <translation>Do</translation>
    </message>
    <message>
        <source>Pictures in a folder</source>
        <comment>One of three big choices: each drawing as a PNG file in a folder.</comment>
        <translation>Obrazki w folderze</translation>
    </message>
    <message>
        <source>A booklet to print</source>
        <comment>One of three big choices: one PDF file, a page a drawing, to print.</comment>
        <translation>Książeczka do druku</translation>
    </message>
    <message>
        <source>A film</source>
        <comment>One of three big choices: one animated picture showing the drawings one after another.</comment>
        <translation>Film</translation>
    </message>
    <message>
        <source>Seconds for each picture</source>
        <comment>Label of the film&apos;s speed: how long each drawing is shown.</comment>
        <translation>Sekund na obrazek</translation>
    </message>
    <message>
        <source>A cover page for each child</source>
        <comment>Check box: the booklet starts each child&apos;s drawings with a page showing the child&apos;s name.</comment>
        <translation>Strona tytułowa dla każdego dziecka</translation>
    </message>
    <message>
        <source>A cover page</source>
        <comment>Check box: the booklet starts with a page showing the span of days (no children named).</comment>
        <translation>Strona tytułowa</translation>
    </message>
    <message>
        <source>Make it</source>
        <comment>The big button that starts making the pictures, booklet or film.</comment>
        <translation>Zrób to</translation>
    </message>
    <message>
        <source>Stop making it</source>
        <comment>The big button while the work runs: stops it.</comment>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Our drawings</source>
        <comment>Title of a booklet&apos;s cover page (and of the booklet) when no child is named.</comment>
        <translation>Nasze rysunki</translation>
    </message>
    <message>
        <source>Where should the pictures go?</source>
        <comment>Title of the dialog choosing the folder for the PNG files (a new folder name may be typed).</comment>
        <translation>Gdzie zapisać obrazki?</translation>
    </message>
    <message>
        <source>Where should the booklet go?</source>
        <comment>Title of the dialog choosing the booklet&apos;s PDF file.</comment>
        <translation>Gdzie zapisać książeczkę?</translation>
    </message>
    <message>
        <source>Where should the film go?</source>
        <comment>Title of the dialog choosing the film&apos;s file.</comment>
        <translation>Gdzie zapisać film?</translation>
    </message>
    <message>
        <source>Drawings put in the folder: %1</source>
        <comment>The result line after making the pictures; %1 how many.</comment>
        <translation>Rysunki zapisane w folderze: %1</translation>
    </message>
    <message>
        <source>Drawings put in the booklet: %1</source>
        <comment>The result line after making the booklet; %1 how many.</comment>
        <translation>Rysunki w książeczce: %1</translation>
    </message>
    <message>
        <source>Drawings put in the film: %1</source>
        <comment>The result line after making the film; %1 how many.</comment>
        <translation>Rysunki w filmie: %1</translation>
    </message>
    <message>
        <source>There are no drawings on those days.</source>
        <comment>The result line when the span of days holds no drawing: nothing was made.</comment>
        <translation>W tych dniach nie ma rysunków.</translation>
    </message>
    <message>
        <source>Stopped: nothing more was made.</source>
        <comment>The result line after the grown-up pressed Stop.</comment>
        <translation>Zatrzymano: nic więcej nie powstało.</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <comment>The result line when the file or folder could not be written; %1 the system&apos;s reason.</comment>
        <translation>Nie udało się zapisać: %1</translation>
    </message>
    <message>
        <source>Drawings that could not be read, left out: %1</source>
        <comment>A second result line: files the program refused to read (damaged or too large); %1 how many.</comment>
        <translation>Pominięte rysunki, których nie dało się odczytać: %1</translation>
    </message>
    <message>
        <source>Too many drawings, left out: %1</source>
        <comment>A second result line: drawings past the most one collection takes; %1 how many.</comment>
        <translation>Za dużo rysunków, pominięto: %1</translation>
    </message>
</context>
</TS>
