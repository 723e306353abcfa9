<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Colours</name>
    <message>
        <source>Red</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Kırmızı</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Turuncu</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Sarı</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Yeşil</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Turkuaz</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Mavi</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Mor</translation>
    </message>
    <message>
        <source>Pink</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Pembe</translation>
    </message>
    <message>
        <source>Brown</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Kahverengi</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Siyah</translation>
    </message>
    <message>
        <source>White</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>A colour&apos;s name, said by a screen reader for a swatch. Adjective or noun, as a child would say it.</comment>
        <translation>Gri</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Pictures</source>
        <comment>File type in the open dialog: every kind of picture.</comment>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>Windows Bitmap</source>
        <comment>File type name in the file dialogs (.bmp).</comment>
        <translation>Windows Bit Eşlem</translation>
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
        <translation>WebP filmi</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Drawing</source>
        <comment>The word a kept drawing&apos;s file name begins with, before the date: &apos;Drawing 2026-12-09 17.32.png&apos;. No &apos;:&apos; or &apos;/&apos;.</comment>
        <translation>Resim</translation>
    </message>
</context>
<context>
    <name>GrownUp</name>
    <message>
        <source>For grown-ups</source>
        <comment>Title of the small window that asks a sum only a grown-up can answer, before the grown-up&apos;s settings open.</comment>
        <translation>Yetişkinler için</translation>
    </message>
    <message>
        <source>Only a grown-up can open this. What is the answer?</source>
        <comment>Above a sum such as 7 × 6 =, with number keys below. Addressed to the adult.</comment>
        <translation>Bunu yalnızca bir yetişkin açabilir. Cevap nedir?</translation>
    </message>
    <message>
        <source>Answer</source>
        <comment>Button that gives the typed answer to the sum.</comment>
        <translation>Yanıtla</translation>
    </message>
    <message>
        <source>Not now</source>
        <comment>Button that closes the question without opening anything.</comment>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>Erase the last digit</source>
        <comment>Tooltip and screen-reader name of the backspace key beside the number keys.</comment>
        <translation>Son rakamı sil</translation>
    </message>
    <message>
        <source>Wait a moment, then try again.</source>
        <comment>Shown for a few seconds after three wrong answers in a row, while the number keys are off.</comment>
        <translation>Biraz bekleyin, sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Settings for grown-ups</source>
        <comment>Title of the grown-up&apos;s settings window.</comment>
        <translation>Yetişkin ayarları</translation>
    </message>
    <message>
        <source>Done</source>
        <comment>Button that closes the grown-up&apos;s settings window; every change is already kept.</comment>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>A page of the grown-up&apos;s settings, shown beside its picture in the side list.</comment>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>A page of the grown-up&apos;s settings: the language of the window.</comment>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Screen</source>
        <comment>A page of the grown-up&apos;s settings: full screen or a window.</comment>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>A page of the grown-up&apos;s settings: what the program shows when it starts.</comment>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Drawings</source>
        <comment>A page of the grown-up&apos;s settings: the folder where the child&apos;s drawings are kept.</comment>
        <translation>Çizimler</translation>
    </message>
    <message>
        <source>Switches</source>
        <comment>A page of the grown-up&apos;s settings: scanning for children who use one or two accessibility switches.</comment>
        <translation>Anahtarlar</translation>
    </message>
    <message>
        <source>Lock-down</source>
        <comment>A page of the grown-up&apos;s settings: things a child must not do (quit, print, file dialogs, leave full screen).</comment>
        <translation>Kilitler</translation>
    </message>
    <message>
        <source>Play sounds</source>
        <comment>Beside a big on-off switch: sounds on or off.</comment>
        <translation>Sesleri çal</translation>
    </message>
    <message>
        <source>Fill the whole screen</source>
        <comment>Beside a big on-off switch: full screen.</comment>
        <translation>Tüm ekranı kapla</translation>
    </message>
    <message>
        <source>When the program starts, show:</source>
        <comment>Above two big choices: the last drawing, or a blank page.</comment>
        <translation>Program açıldığında göster:</translation>
    </message>
    <message>
        <source>The last drawing</source>
        <comment>One of two choices: start with the drawing the child left last time.</comment>
        <translation>Son çizim</translation>
    </message>
    <message>
        <source>A blank page</source>
        <comment>One of two choices: start on a blank page (the last drawing is kept in the gallery).</comment>
        <translation>Boş bir sayfa</translation>
    </message>
    <message>
        <source>Drawings are kept in this folder:</source>
        <comment>Above the path of the folder where the child&apos;s drawings are saved.</comment>
        <translation>Çizimler bu klasörde saklanır:</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <comment>Button that opens the desktop&apos;s folder dialog to pick where drawings are kept; also its title.</comment>
        <translation>Klasör seç</translation>
    </message>
    <message>
        <source>Back to the usual folder</source>
        <comment>Button that forgets the chosen folder: drawings go to the usual Pictures folder again.</comment>
        <translation>Olağan klasöre dön</translation>
    </message>
    <message>
        <source>Switch scanning: seconds between steps</source>
        <comment>Above the choices Off, 1, 2, 3, 4, 5: how fast the highlight moves for a child using switches.</comment>
        <translation>Anahtarla tarama: adımlar arası saniye</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>The first of the scanning choices: no scanning.</comment>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>How many switches?</source>
        <comment>Above the choices One switch / Two switches.</comment>
        <translation>Kaç anahtar?</translation>
    </message>
    <message>
        <source>One switch</source>
        <comment>Scanning choice: one switch (the highlight moves by itself).</comment>
        <translation>Tek anahtar</translation>
    </message>
    <message>
        <source>Two switches</source>
        <comment>Scanning choice: two switches (one moves, one presses).</comment>
        <translation>İki anahtar</translation>
    </message>
    <message>
        <source>Closing asks the grown-up question</source>
        <comment>Beside an on-off switch: closing the program first asks the sum only a grown-up answers.</comment>
        <translation>Kapatırken yetişkin sorusunu sor</translation>
    </message>
    <message>
        <source>No printing</source>
        <comment>Beside an on-off switch: the print button and Ctrl+P do nothing.</comment>
        <translation>Yazdırma yok</translation>
    </message>
    <message>
        <source>Open and save only in the child&apos;s own drawings</source>
        <comment>Beside an on-off switch: no file dialogs; opening and saving stay within the child&apos;s drawings.</comment>
        <translation>Yalnızca çocuğun çizimlerinde aç ve kaydet</translation>
    </message>
    <message>
        <source>Always keep the full screen</source>
        <comment>Beside an on-off switch: full screen cannot be left (no Escape, no F11).</comment>
        <translation>Her zaman tam ekranda kal</translation>
    </message>
    <message>
        <source>Set by your school</source>
        <comment>Beside a small padlock under a setting the school&apos;s system-wide file has locked: it cannot be changed here.</comment>
        <translation>Okulunuz tarafından ayarlandı</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Pintaloo: help and about</source>
        <comment>The help window&apos;s page title.</comment>
        <translation>Pintaloo: yardım ve hakkında</translation>
    </message>
    <message>
        <source>A painting program for young children. Pick a colour, pick a tool and paint on the big white page with the mouse, a finger or a pen.</source>
        <translation>Küçük çocuklar için bir boyama programı. Bir renk seç, bir araç seç ve büyük beyaz sayfaya fareyle, parmağınla ya da bir kalemle boya.</translation>
    </message>
    <message>
        <source>The buttons at the bottom</source>
        <comment>A heading.</comment>
        <translation>Alttaki düğmeler</translation>
    </message>
    <message>
        <source>A crayon. Colouring over paint mixes the new colour in slowly. It never paints over the black lines of a colouring page.</source>
        <translation>Bir pastel boya. Boyanın üstüne boyayınca yeni renk yavaş yavaş karışır. Boyama sayfasının siyah çizgilerinin üstünü asla boyamaz.</translation>
    </message>
    <message>
        <source>Opens the stamps: animals, vehicles, flowers, houses, suns, trees, clouds and people. Choose a group, then a picture, then press on the page. Stamps come out smaller near the top of the page, because things far away look small.</source>
        <translation>Damgaları açar: hayvanlar, taşıtlar, çiçekler, evler, güneşler, ağaçlar, bulutlar ve insanlar. Önce bir grup, sonra bir resim seç, sonra sayfaya bas. Damgalar sayfanın üst tarafında daha küçük çıkar, çünkü uzaktaki şeyler küçük görünür.</translation>
    </message>
    <message>
        <source>Fills an area with the colour you chose.</source>
        <translation>Bir alanı seçtiğin renkle doldurur.</translation>
    </message>
    <message>
        <source>Rubs paint away, but not the black lines of a colouring page.</source>
        <translation>Boyayı siler ama boyama sayfasının siyah çizgilerini silmez.</translation>
    </message>
    <message>
        <source>Turns the whole picture into an oil painting.</source>
        <translation>Bütün resmi yağlı boya tabloya çevirir.</translation>
    </message>
    <message>
        <source>Four bars, from thin to thick. The chosen bar shows your colour.</source>
        <translation>İnceden kalına dört çubuk. Seçili çubuk senin rengini gösterir.</translation>
    </message>
    <message>
        <source>The colours</source>
        <comment>A term in a list, like the button names around it.</comment>
        <translation>Renkler</translation>
    </message>
    <message>
        <source>24 colours, each with its own little tune. The big box next to them shows your colour: press it to watch a short cartoon.</source>
        <translation>Her birinin kendi küçük şarkısı olan 24 renk. Yanlarındaki büyük kutu senin rengini gösterir: kısa bir çizgi film izlemek için ona bas.</translation>
    </message>
    <message>
        <source>The buttons at the top</source>
        <comment>A heading.</comment>
        <translation>Üstteki düğmeler</translation>
    </message>
    <message>
        <source>Starts again on a clean white page. The drawing you had goes into My drawings.</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name: use the same words as its button.</comment>
        <translation>Temiz, beyaz bir sayfayla yeniden başlar. Önceki resmin Resimlerim&apos;e gider.</translation>
    </message>
    <message>
        <source>Leafs through 21 colouring pages. Press the big picture to colour it.</source>
        <translation>21 boyama sayfasını tek tek gösterir. Boyamak için büyük resme bas.</translation>
    </message>
    <message>
        <source>In the colouring pages, opens a picture you saved before (BMP, JPEG or PNG).</source>
        <translation>Boyama sayfalarında, daha önce kaydettiğin bir resmi açar (BMP, JPEG ya da PNG).</translation>
    </message>
    <message>
        <source>Saves your picture in your Pictures folder, or wherever you choose. A PNG picture keeps its film inside it.</source>
        <translation>Resmini Resimler klasörüne ya da istediğin bir yere kaydeder. PNG resim, filmini kendi içinde saklar.</translation>
    </message>
    <message>
        <source>Every drawing you leave for a new page is kept here, newest first. Press one to paint on it again, press the bin twice to throw it away, or watch them all one after another.</source>
        <translation>Yeni sayfaya geçerken bıraktığın her resim burada saklanır, en yenisi en başta. Yeniden boyamak için birine bas, atmak için çöp kutusuna iki kez bas ya da hepsini art arda izle.</translation>
    </message>
    <message>
        <source>Take back the last thing you painted, and bring it back again.</source>
        <translation>Son boyadığın şeyi geri alır ve sonra yeniden getirir.</translation>
    </message>
    <message>
        <source>Prints your picture as big as the paper allows. You can also print to a PDF file.</source>
        <translation>Resmini kâğıda sığabildiği kadar büyük yazdırır. Bir PDF dosyasına da yazdırabilirsin.</translation>
    </message>
    <message>
        <source>Turns the sounds and tunes off, and on again.</source>
        <translation>Sesleri ve şarkıları kapatır, sonra yeniden açar.</translation>
    </message>
    <message>
        <source>Opens this page.</source>
        <translation>Bu sayfayı açar.</translation>
    </message>
    <message>
        <source>The film</source>
        <comment>A heading: the drawing played again from its first stroke.</comment>
        <translation>Film</translation>
    </message>
    <message>
        <source>Pintaloo remembers how you painted your picture. This plays it again from the first stroke, like a film.</source>
        <translation>Pintaloo resmini nasıl boyadığını hatırlar. Bu düğme, resmi ilk çizgiden başlayarak bir film gibi yeniden oynatır.</translation>
    </message>
    <message>
        <source>Saves that film as a moving picture (WebP) you can show to others.</source>
        <translation>O filmi, başkalarına gösterebileceğin hareketli bir resim (WebP) olarak kaydeder.</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>A heading.</comment>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>Closes an open panel, and leaves full screen.</source>
        <translation>Açık bir paneli kapatır ve tam ekrandan çıkar.</translation>
    </message>
    <message>
        <source>Pintaloo fills the whole screen; press F11 or Esc again to go back.</source>
        <comment>Follows the name &apos;Full screen&apos;. Keep F11 and Esc as they are.</comment>
        <translation>Pintaloo bütün ekranı kaplar; geri dönmek için yeniden F11 ya da Esc tuşuna bas.</translation>
    </message>
    <message>
        <source>Quit Pintaloo.</source>
        <translation>Pintaloo&apos;yu kapat.</translation>
    </message>
    <message>
        <source>Tab moves from button to button and Space presses one. On the page, the arrow keys move the brush and Space paints.</source>
        <comment>Keep Tab and Space as they are written on the keys.</comment>
        <translation>Tab ile düğmeden düğmeye geçersin, Space ile bir düğmeye basarsın. Sayfada ok tuşlarıyla fırçayı hareket ettirir, Space ile boyarsın.</translation>
    </message>
    <message>
        <source>About</source>
        <comment>A heading.</comment>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Pintaloo, version %1.</source>
        <comment>%1 is the version number.</comment>
        <translation>Pintaloo, sürüm %1.</translation>
    </message>
    <message>
        <source>Credits.</source>
        <translation>Emeği geçenler.</translation>
    </message>
    <message>
        <source>Every picture, colouring page, sound and cartoon in Pintaloo was made for it by the Pintaloo team and is kept with the program&apos;s source. Pintaloo is built on Qt, SDL_mixer and rlottie.</source>
        <translation>Pintaloo&apos;daki her resim, boyama sayfası, ses ve çizgi film, Pintaloo ekibi tarafından ona özel yapıldı ve programın kaynak koduyla birlikte saklanıyor. Pintaloo; Qt, SDL_mixer ve rlottie üzerine kurulmuştur.</translation>
    </message>
    <message>
        <source>Licence.</source>
        <translation>Lisans.</translation>
    </message>
    <message>
        <source>Pintaloo is free software: its program code is under the GNU General Public License, version 3 or later (%1); its pictures, sounds, cartoons and colouring pages are under the Creative Commons Attribution-ShareAlike 4.0 licence (%2); its software-centre metadata is under %3. The full texts come with the program, on Debian in %4.</source>
        <comment>%1, %2 and %3 are the licences&apos; short names, %4 a folder.</comment>
        <translation>Pintaloo özgür yazılımdır: program kodu GNU General Public License sürüm 3 ya da sonrası (%1) kapsamındadır; resimleri, sesleri, çizgi filmleri ve boyama sayfaları Creative Commons Attribution-ShareAlike 4.0 lisansı (%2) kapsamındadır; yazılım merkezi üst verileri %3 kapsamındadır. Tam metinler programla birlikte gelir; Debian&apos;da %4 içindedir.</translation>
    </message>
    <message>
        <source>For grown-ups.</source>
        <translation>Büyükler için.</translation>
    </message>
    <message>
        <source>Pintaloo speaks the language of your desktop when it knows it, and English otherwise. Start it with %1 to choose one of: %2. Pintaloo remembers it.</source>
        <comment>%1 is the option as typed (&apos;--lang CODE&apos;), %2 the list of codes.</comment>
        <translation>Pintaloo, masaüstünün dilini biliyorsa o dilde, bilmiyorsa İngilizce konuşur. Şunlardan birini seçmek için onu %1 ile başlat: %2. Pintaloo seçimini hatırlar.</translation>
    </message>
    <message>
        <source>Besides your pictures, Pintaloo keeps a few settings in %1: sound on or off, the language, full screen and the folder you last used.</source>
        <comment>%1 is a file.</comment>
        <translation>Pintaloo resimlerinin yanı sıra %1 içinde birkaç ayar saklar: sesin açık ya da kapalı olduğu, dil, tam ekran ve en son kullandığın klasör.</translation>
    </message>
    <message>
        <source>The drawing on the page is kept in %1 a moment after each change, so it comes back when Pintaloo starts again, even after a crash. Drawings left for a new page go into %2.</source>
        <comment>%1 and %2 are folders.</comment>
        <translation>Sayfadaki resim her değişiklikten kısa süre sonra %1 içinde saklanır; böylece Pintaloo yeniden açıldığında, bir çökmeden sonra bile geri gelir. Yeni sayfa için bırakılan resimler %2 içine gider.</translation>
    </message>
    <message>
        <source>For children who use one or two switches: start Pintaloo with %1 and the buttons light up one after another; %2 gives one switch to move and one to press.</source>
        <comment>%1 and %2 are options as typed.</comment>
        <translation>Bir ya da iki anahtar kullanan çocuklar için: Pintaloo&apos;yu %1 ile başlatınca düğmeler sırayla yanar; %2 ise biri ilerlemek, diğeri basmak için iki anahtar verir.</translation>
    </message>
    <message>
        <source>Opens a box of %1 special brushes: rings, spray, dots, a rainbow ribbon, balls, a pen, daisies, stars, grass with flowers, splats, tiles, zigzags, bricks and more.</source>
        <comment>%1 is how many (17 or more).</comment>
        <translation>%1 özel fırçanın olduğu bir kutu açar: halkalar, sprey, noktalar, gökkuşağı kurdelesi, toplar, kalem, papatyalar, yıldızlar, çiçekli çimenler, lekeler, fayanslar, zikzaklar, tuğlalar ve daha fazlası.</translation>
    </message>
    <message>
        <source>Opens a box of %1 kinds of magic: brushes that paint or change the paint under them, and tricks that change the whole picture at once.</source>
        <comment>%1 is how many (16 or more).</comment>
        <translation>İçinde %1 çeşit sihir olan bir kutu açar: boyayan ya da altındaki boyayı değiştiren fırçalar ve bütün resmi bir anda değiştiren numaralar.</translation>
    </message>
    <message>
        <source>A pen paints wider when you press harder, and thinner when you press lightly.</source>
        <comment>Follows the help page&apos;s first paragraph, which says a child can paint with a pen.</comment>
        <translation>Kalem, daha sert bastığında daha kalın, hafifçe bastığında daha ince boyar.</translation>
    </message>
    <message>
        <source>Opens the shapes and a straight line. Press where the middle of the shape goes and pull: the shape grows as you move, and stays on the page when you let go. Press the chosen shape in the box again to paint it filled in, or as an outline only.</source>
        <translation>Şekilleri ve düz çizgiyi açar. Şeklin ortasının geleceği yere bas ve çek: sen hareket ettikçe şekil büyür ve bıraktığında sayfada kalır. Seçtiğin şekle kutuda bir daha basarsan içi dolu ya da sadece çerçevesi boyanır.</translation>
    </message>
    <message>
        <source>Writes a word on your drawing, such as your name. Press on the page where it goes, then type it on the keyboard or press the big letters on the board that opens. The arrow takes back a letter; the tick or Enter puts the word on the page in your colour, at the size of the bar you chose.</source>
        <translation>Resmine bir kelime yazar, örneğin adını. Sayfada kelimenin gideceği yere bas, sonra klavyeyle yaz ya da açılan tahtadaki büyük harflere bas. Ok bir harf siler; onay işareti ya da Enter kelimeyi senin renginle, seçtiğin çubuğun boyunda sayfaya koyar.</translation>
    </message>
    <message>
        <source>Press the little rainbow under your colour to choose any colour at all. The dropper takes a colour from your picture.</source>
        <comment>Help page line about the field of every colour and the dropper, read aloud to a young child.</comment>
        <translation>İstediğin rengi seçmek için renginin altındaki küçük gökkuşağına bas. Damlalık resminden bir renk alır.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Painting for Children</source>
        <comment>The launcher&apos;s generic name, shown under or beside &apos;Pintaloo&apos;.</comment>
        <translation>Çocuklar için Boyama</translation>
    </message>
    <message>
        <source>Paint with crayons, stamps and colouring pages</source>
        <comment>The launcher&apos;s tooltip.</comment>
        <translation>Pastel boya, damga ve boyama sayfalarıyla boya</translation>
    </message>
    <message>
        <source>paint;draw;crayon;colouring;stamps;children;kids;</source>
        <comment>Words a menu search finds Pintaloo by: separated and ended by &apos;;&apos;, no spaces around them.</comment>
        <translation>boya;çiz;resim;pastel;boyama;damga;çocuk;</translation>
    </message>
    <message>
        <source>Painting for young children</source>
        <comment>The software centre&apos;s one-line summary.</comment>
        <translation>Küçük çocuklar için boyama</translation>
    </message>
    <message>
        <source>Pintaloo is a painting program for young children. Big friendly buttons, sounds and short cartoons make every tool easy to find, and nothing a child does can break anything.</source>
        <comment>The software centre&apos;s description, first paragraph.</comment>
        <translation>Pintaloo, küçük çocuklar için bir boyama programıdır. Büyük, sevimli düğmeler, sesler ve kısa çizgi filmler sayesinde her araç kolayca bulunur ve bir çocuğun yaptığı hiçbir şey bir şeyi bozamaz.</translation>
    </message>
    <message>
        <source>A crayon pencil whose colour blends into the paint already on the page</source>
        <comment>The software centre&apos;s list of what Pintaloo does.</comment>
        <translation>Rengi sayfadaki boyaya karışan bir pastel boya kalemi</translation>
    </message>
    <message>
        <source>An eraser, flood fill and patterned and picture brushes</source>
        <translation>Silgi, boya kovası, desenli ve resimli fırçalar</translation>
    </message>
    <message>
        <source>Stamps that come out smaller further up the page</source>
        <translation>Sayfanın yukarısına doğru daha küçük çıkan damgalar</translation>
    </message>
    <message>
        <source>An oil-painting effect</source>
        <translation>Yağlı boya efekti</translation>
    </message>
    <message>
        <source>Colouring pages whose outlines the pencil never covers</source>
        <translation>Çizgilerini kalemin asla kapatmadığı boyama sayfaları</translation>
    </message>
    <message>
        <source>A gallery of the child&apos;s own drawings, and each drawing played back as a film</source>
        <translation>Çocuğun kendi resimlerinden oluşan bir galeri ve her resmin film gibi yeniden oynatılması</translation>
    </message>
    <message>
        <source>Sixteen languages, and painting by touch, pen, keyboard or switch</source>
        <translation>On altı dil; dokunarak, kalemle, klavyeyle ya da anahtarla boyama</translation>
    </message>
    <message>
        <source>Pintaloo needs no network, shows no advertising and collects nothing.</source>
        <comment>The software centre&apos;s description, last paragraph.</comment>
        <translation>Pintaloo&apos;nun ağa ihtiyacı yoktur, reklam göstermez ve hiçbir şey toplamaz.</translation>
    </message>
    <message>
        <source>A picture painted with crayons and stamps</source>
        <comment>Caption of the software centre&apos;s screenshot.</comment>
        <translation>Pastel boya ve damgalarla boyanmış bir resim</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The film was not saved</source>
        <translation>Film kaydedilmedi</translation>
    </message>
    <message>
        <source>Pintaloo could not save the film as
%1

%2

Please try another folder.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo filmi şu adla kaydedemedi:
%1

%2

Lütfen başka bir klasör dene.</translation>
    </message>
    <message>
        <source>The film was saved</source>
        <translation>Film kaydedildi</translation>
    </message>
    <message>
        <source>There was too much to film: the film stops before the drawing is finished.</source>
        <translation>Çekilecek çok fazla şey vardı: film, resim bitmeden duruyor.</translation>
    </message>
    <message>
        <source>The picture was not opened</source>
        <translation>Resim açılmadı</translation>
    </message>
    <message>
        <source>This file is not a picture Pintaloo can open.</source>
        <translation>Bu dosya, Pintaloo&apos;nun açabileceği bir resim değil.</translation>
    </message>
    <message>
        <source>This picture took too long to open.</source>
        <translation>Bu resmin açılması çok uzun sürdü.</translation>
    </message>
    <message>
        <source>The picture was not saved</source>
        <translation>Resim kaydedilmedi</translation>
    </message>
    <message>
        <source>Pintaloo could not save the picture as
%1

%2

The drawing is still on the page: please try another folder or free some disk space.</source>
        <comment>%1 is the file name, %2 the reason (a system message).</comment>
        <translation>Pintaloo resmi şu adla kaydedemedi:
%1

%2

Resim hâlâ sayfada: lütfen başka bir klasör dene ya da diskte biraz yer aç.</translation>
    </message>
    <message>
        <source>Pintaloo saves pictures as .bmp, .png or .jpg.</source>
        <translation>Pintaloo resimleri .bmp, .png ya da .jpg olarak kaydeder.</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <comment>The reason given when the disk is full; it follows a file name.</comment>
        <translation>Aygıtta boş yer kalmadı</translation>
    </message>
    <message>
        <source>Pintaloo could not read this file.</source>
        <translation>Pintaloo bu dosyayı okuyamadı.</translation>
    </message>
    <message>
        <source>This picture is too big for Pintaloo to open.</source>
        <translation>Bu resim, Pintaloo&apos;nun açamayacağı kadar büyük.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete, so Pintaloo cannot open it.</source>
        <translation>Bu resim bozuk ya da eksik, bu yüzden Pintaloo onu açamıyor.</translation>
    </message>
    <message>
        <source>This picture takes too long to open, so Pintaloo stopped trying.</source>
        <translation>Bu resmin açılması çok uzun sürüyor, bu yüzden Pintaloo denemeyi bıraktı.</translation>
    </message>
    <message>
        <source>Pintaloo opens bitmap (.bmp), JPEG and PNG pictures.</source>
        <comment>Follows a refusal: which kinds of picture Pintaloo opens.</comment>
        <translation>Pintaloo bit eşlem (.bmp), JPEG ve PNG resimlerini açar.</translation>
    </message>
    <message>
        <source>The drawing is still on the page.</source>
        <comment>Ends every message that says a picture was not opened or saved.</comment>
        <translation>Resim hâlâ sayfada.</translation>
    </message>
    <message>
        <source>Pintaloo cannot save a picture as
%1

Please end the name with .bmp, .png or .jpg, or leave the ending off for a bitmap. The drawing is still on the page.</source>
        <comment>%1 is the name the parent typed. A bitmap is a .bmp file.</comment>
        <translation>Pintaloo bir resmi şu adla kaydedemez:
%1

Lütfen adı .bmp, .png ya da .jpg ile bitir ya da bit eşlem için uzantıyı hiç yazma. Resim hâlâ sayfada.</translation>
    </message>
    <message>
        <source>Your drawing is not being kept</source>
        <translation>Resmin saklanmıyor</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

%2

The drawing stays on the page while Pintaloo is open, and Pintaloo keeps trying. To be sure, save the drawing before quitting.</source>
        <comment>%1 is the folder, %2 the reason (a system message). Pintaloo keeps the drawing between runs.</comment>
        <translation>Pintaloo resmini burada saklayamıyor:
%1

%2

Pintaloo açık kaldığı sürece resim sayfada kalır ve Pintaloo denemeyi sürdürür. Emin olmak için çıkmadan önce resmi kaydet.</translation>
    </message>
    <message>
        <source>Pintaloo cannot keep your drawing here:
%1

Another Pintaloo (perhaps in another login) is already keeping its drawing there. This one starts blank and keeps nothing: save the drawing before quitting.</source>
        <comment>%1 is the folder. Two copies of Pintaloo cannot keep one drawing.</comment>
        <translation>Pintaloo resmini burada saklayamıyor:
%1

Başka bir Pintaloo (belki başka bir oturumda) kendi resmini zaten orada saklıyor. Bu Pintaloo boş bir sayfayla başlar ve hiçbir şey saklamaz: çıkmadan önce resmi kaydet.</translation>
    </message>
    <message>
        <source>The drawing kept last time could not be read, so the page starts blank. It was not thrown away: it was put aside as
%1</source>
        <comment>%1 is the name the unreadable file was put aside as.</comment>
        <translation>Geçen sefer saklanan resim okunamadı, bu yüzden sayfa boş başlıyor. Resim atılmadı: şu adla kenara kondu:
%1</translation>
    </message>
    <message>
        <source>Your drawing has not been kept and will be gone when Pintaloo closes.

Save it now?</source>
        <comment>A question; the Yes button saves.</comment>
        <translation>Resmin saklanmadı ve Pintaloo kapanınca kaybolacak.

Şimdi kaydetmek ister misin?</translation>
    </message>
    <message>
        <source>The film was not kept</source>
        <translation>Film saklanmadı</translation>
    </message>
    <message>
        <source>The picture was saved as
%1

but its film could not be kept beside it as
%2

%3</source>
        <comment>%1 is the picture&apos;s file, %2 the story file beside it, %3 the reason.</comment>
        <translation>Resim şu adla kaydedildi:
%1

ama filmi yanına şu adla saklanamadı:
%2

%3</translation>
    </message>
    <message>
        <source>Drawings are not going into My drawings</source>
        <comment>&apos;My drawings&apos; is the gallery&apos;s name; use the same words as its button.</comment>
        <translation>Resimler Resimlerim&apos;e gitmiyor</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

Nothing is lost: they are kept in
%3</source>
        <comment>%1 the gallery folder, %2 the reason, %3 the folder the drawings are kept in instead.</comment>
        <translation>Resimler şuraya konamıyor:
%1

%2

Hiçbir şey kaybolmadı: resimler şurada saklanıyor:
%3</translation>
    </message>
    <message>
        <source>The film could not be made.</source>
        <comment>The reason a film was not saved, under the file&apos;s name.</comment>
        <translation>Film yapılamadı.</translation>
    </message>
    <message>
        <source>The film could not be written: %1</source>
        <comment>The reason a film was not saved; %1 is the system&apos;s reason.</comment>
        <translation>Film yazılamadı: %1</translation>
    </message>
    <message>
        <source>The drawings cannot be put into
%1

%2

nor into Pintaloo&apos;s own folder. They are kept only while Pintaloo is open: press Save and choose a folder, and they are saved there with the drawing.</source>
        <comment>%1 the gallery folder, %2 the reason. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>Resimler şuraya konamıyor:
%1

%2

Pintaloo&apos;nun kendi klasörüne de konamıyor. Yalnızca Pintaloo açık kaldığı sürece saklanıyorlar: Kaydet&apos;e bas ve bir klasör seç, resimle birlikte oraya kaydedilsinler.</translation>
    </message>
    <message>
        <source>Pintaloo keeps at most %1 drawings in memory, so the oldest of them is gone. Press Save and choose a folder to keep the others.</source>
        <comment>%1 a number, 30 or so. &apos;Save&apos; is the Save button&apos;s name.</comment>
        <translation>Pintaloo bellekte en çok %1 resim saklar, bu yüzden en eskisi gitti. Diğerlerini korumak için Kaydet&apos;e bas ve bir klasör seç.</translation>
    </message>
    <message>
        <source>Drawings kept only in memory, because no folder would take them: %1.

They are lost when Pintaloo closes. Save them now into a folder you choose?</source>
        <comment>%1 a number. A question: yes opens the save dialog.</comment>
        <translation>Hiçbir klasör kabul etmediği için yalnızca bellekte duran resimler: %1.

Pintaloo kapanınca kaybolurlar. Şimdi seçeceğin bir klasöre kaydedilsinler mi?</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Arama konumu:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Dosya a&amp;dı:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Dosyaların türü:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Üst Dizin</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Yeni Klasör Oluştur</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Yeni Klasör</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Liste Görünümü</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Ayrıntılı Görünüm</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Bilgisayarım</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Son Yerler</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 zaten var.
Değiştirmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Değiştirilme Tarihi</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Yazdır</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Seçenekler &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Seçenekler &lt;&lt;</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Dosyaya Yazdır (PDF)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Yerel dosya</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF dosyası yaz</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Copies</source>
        <translation>Kopyalar</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopyalar:</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Aralığı yazdır</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Tümünü yazdır</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Şuradan sayfalar</translation>
    </message>
    <message>
        <source>to</source>
        <translation>şuraya</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Renk Modu</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Renkli</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gri tonlamalı</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Yazıcı</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Ad:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>Özellikle&amp;r</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Konum:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tür:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Çıktı &amp;dosyası:</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>Drawing paper: %1</source>
        <comment>What a screen reader says of the page; %1 is the chosen tool.</comment>
        <translation>Resim kâğıdı: %1</translation>
    </message>
    <message>
        <source>Stamp %1</source>
        <comment>Screen reader: a stamp in the stamp box; %1 counts from 1.</comment>
        <translation>Damga %1</translation>
    </message>
    <message>
        <source>Pattern %1</source>
        <comment>Screen reader: a brush in the brush box; %1 counts from 1.</comment>
        <translation>Desen %1</translation>
    </message>
    <message>
        <source>Stamp group %1</source>
        <comment>Screen reader: a group of stamps; %1 counts from 1.</comment>
        <translation>Damga grubu %1</translation>
    </message>
    <message>
        <source>Animation %1</source>
        <comment>Screen reader: one of the short cartoons; %1 counts from 1.</comment>
        <translation>Animasyon %1</translation>
    </message>
    <message>
        <source>Cartoons</source>
        <comment>Screen reader: the big box showing the chosen colour, which plays a cartoon when pressed.</comment>
        <translation>Çizgi filmler</translation>
    </message>
    <message>
        <source>Take this page</source>
        <comment>Screen reader: the big colouring page in its panel; pressing it takes the page.</comment>
        <translation>Bu sayfayı al</translation>
    </message>
    <message>
        <source>Next drawing</source>
        <comment>Screen reader: arrow to the next colouring page or drawing.</comment>
        <translation>Sonraki resim</translation>
    </message>
    <message>
        <source>Previous drawing</source>
        <comment>Screen reader: arrow to the previous colouring page or drawing.</comment>
        <translation>Önceki resim</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Children</source>
        <comment>Title of the grown-up&apos;s settings page that lists the children who share this computer.</comment>
        <translation>Çocuklar</translation>
    </message>
    <message>
        <source>With two or more children, each one presses their own picture at the start and keeps their own drawings.</source>
        <comment>The line at the top of the grown-up&apos;s settings page for the children.</comment>
        <translation>İki veya daha fazla çocuk varsa, her biri başta kendi resmine basar ve kendi resimlerini ayrı saklar.</translation>
    </message>
    <message>
        <source>Child&apos;s name</source>
        <comment>Label of the field where a grown-up writes a child&apos;s name.</comment>
        <translation>Çocuğun adı</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <comment>Tooltip of the button that opens the grid of pictures a child can have as their own.</comment>
        <translation>Resim seç</translation>
    </message>
    <message>
        <source>Add a child</source>
        <comment>Button on the grown-up&apos;s settings page that adds a row for one more child.</comment>
        <translation>Çocuk ekle</translation>
    </message>
    <message>
        <source>Remove</source>
        <comment>Button that removes a child from the list (their drawings stay where they are).</comment>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Move up</source>
        <comment>Button that moves a child one place up the list.</comment>
        <translation>Yukarı taşı</translation>
    </message>
    <message>
        <source>Move down</source>
        <comment>Button that moves a child one place down the list.</comment>
        <translation>Aşağı taşı</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>Pintaloo needs a graphical desktop (X11 or Wayland), and none could be opened here.</source>
        <comment>Printed on the terminal when Pintaloo is started without a graphical desktop.</comment>
        <translation>Pintaloo&apos;nun grafik bir masaüstüne (X11 ya da Wayland) ihtiyacı var ve burada hiçbiri açılamadı.</translation>
    </message>
    <message>
        <source>Pintaloo is already open, but its window could not be brought to the front. Look for it on the task bar, or close it and start Pintaloo again.</source>
        <comment>Printed on the terminal, and shown in a message box, when Pintaloo is started while another Pintaloo runs and that one could not be asked to show its window.</comment>
        <translation>Pintaloo zaten açık, ama penceresi öne getirilemedi. Onu görev çubuğunda ara ya da kapatıp Pintaloo&apos;yu yeniden başlat.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wait...</source>
        <comment>Shown over the page while the oil painting is being made.</comment>
        <translation>Biraz bekle...</translation>
    </message>
    <message>
        <source>Select a drawing</source>
        <comment>Title of the panel that leafs through the colouring pages. Speak to a child (informal you).</comment>
        <translation>Bir resim seç</translation>
    </message>
    <message>
        <source>Close me</source>
        <comment>Tooltip of the window&apos;s close button, spoken by the window itself.</comment>
        <translation>Kapat beni</translation>
    </message>
    <message>
        <source>Minimize me</source>
        <comment>Tooltip of the window&apos;s minimise button, spoken by the window itself.</comment>
        <translation>Küçült beni</translation>
    </message>
    <message>
        <source>New page</source>
        <comment>Tooltip: starts again on a clean white page.</comment>
        <translation>Yeni sayfa</translation>
    </message>
    <message>
        <source>New coloring page</source>
        <comment>Tooltip: opens the panel of colouring pages.</comment>
        <translation>Yeni boyama sayfası</translation>
    </message>
    <message>
        <source>Save drawing</source>
        <comment>Tooltip of the save button, and the save dialog&apos;s title.</comment>
        <translation>Resmi kaydet</translation>
    </message>
    <message>
        <source>Help/About</source>
        <comment>Tooltip of the help button, and the help window&apos;s title.</comment>
        <translation>Yardım/Hakkında</translation>
    </message>
    <message>
        <source>Pencil</source>
        <comment>Tool: a crayon that blends into the paint under it.</comment>
        <translation>Kalem</translation>
    </message>
    <message>
        <source>Models brush</source>
        <comment>Tool: opens a box of patterned and picture brushes (rings, stars, grass...).</comment>
        <translation>Desen fırçası</translation>
    </message>
    <message>
        <source>Stamp brush</source>
        <comment>Tool: opens the stamps (animals, cars, flowers...).</comment>
        <translation>Damgalar</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Silgi</translation>
    </message>
    <message>
        <source>Oil drawing</source>
        <comment>Tool: turns the whole picture into an oil painting.</comment>
        <translation>Yağlı boya</translation>
    </message>
    <message>
        <source>Fill with color</source>
        <comment>Tool: a paint pot that fills an area.</comment>
        <translation>Renkle doldur</translation>
    </message>
    <message>
        <source>Brush size</source>
        <comment>Tooltip of the four bars that choose how thick the brush is.</comment>
        <translation>Fırça boyutu</translation>
    </message>
    <message>
        <source>Select the color</source>
        <comment>Tooltip of each of the 24 colour swatches.</comment>
        <translation>Rengi seç</translation>
    </message>
    <message>
        <source>Open a drawing</source>
        <comment>Caption in the colouring-page panel, and the open dialog&apos;s title.</comment>
        <translation>Bir resim aç</translation>
    </message>
    <message>
        <source>Pintaloo %1 · help and about</source>
        <comment>The line at the foot of the window; %1 is the version number. Clicking it opens the help.</comment>
        <translation>Pintaloo %1 · yardım ve hakkında</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>Tooltip: take back the last thing painted.</comment>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>Tooltip: bring back what Undo took.</comment>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Sound on/off</source>
        <comment>Tooltip of the button that turns the sounds off and on.</comment>
        <translation>Ses aç/kapat</translation>
    </message>
    <message>
        <source>Full screen</source>
        <comment>Name of the full-screen switch (F11); read by screen readers.</comment>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Close this panel</source>
        <comment>Tooltip of the round close button on a panel (stamps, brushes, pages).</comment>
        <translation>Bu paneli kapat</translation>
    </message>
    <message>
        <source>Watch it again</source>
        <comment>Button: plays the drawing again from the first stroke, like a film.</comment>
        <translation>Yeniden izle</translation>
    </message>
    <message>
        <source>Save the film</source>
        <comment>Button: saves that film as an animated picture. Also the film&apos;s proposed file name.</comment>
        <translation>Filmi kaydet</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Button: stops the film.</comment>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>My drawings</source>
        <comment>Button and panel title: the child&apos;s gallery of drawings Pintaloo kept.</comment>
        <translation>Resimlerim</translation>
    </message>
    <message>
        <source>Show them all</source>
        <comment>Button: shows all the drawings one after another, full screen.</comment>
        <translation>Hepsini göster</translation>
    </message>
    <message>
        <source>Put this drawing in the trash (press twice)</source>
        <comment>Tooltip of the bin under each drawing in the gallery.</comment>
        <translation>Bu resmi çöpe at (iki kez bas)</translation>
    </message>
    <message>
        <source>Really?</source>
        <comment>The bin&apos;s caption after its first press; a second press removes the drawing.</comment>
        <translation>Emin misin?</translation>
    </message>
    <message>
        <source>Magic</source>
        <comment>Tool: opens a box of magic brushes and magic tricks for the whole picture.</comment>
        <translation>Sihir</translation>
    </message>
    <message>
        <source>Mirror Paint</source>
        <comment>A magic brush: a crayon whose line is copied, mirrored, on the other half of the picture.</comment>
        <translation>Ayna boyama</translation>
    </message>
    <message>
        <source>Mirror Paint: draw on one side and the other side copies you, like a mirror.</source>
        <comment>The help line of the mirror painting brush, read aloud to a child.</comment>
        <translation>Ayna boyama: bir tarafa çiz, diğer taraf ayna gibi seni taklit etsin.</translation>
    </message>
    <message>
        <source>Four Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied four times, mirrored into each corner.</comment>
        <translation>Dört ayna</translation>
    </message>
    <message>
        <source>Four Mirrors: your drawing appears four times, once in each corner.</source>
        <comment>The help line of the four-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Dört ayna: çizimin dört kez, her köşede bir kez görünür.</translation>
    </message>
    <message>
        <source>Eight Mirrors</source>
        <comment>A magic brush: a crayon whose line is copied eight times around the middle, like a kaleidoscope.</comment>
        <translation>Sekiz ayna</translation>
    </message>
    <message>
        <source>Eight Mirrors: your drawing appears eight times around the middle, like a snowflake.</source>
        <comment>The help line of the eight-way kaleidoscope brush, read aloud to a child.</comment>
        <translation>Sekiz ayna: çizimin ortanın çevresinde sekiz kez görünür, tıpkı bir kar tanesi gibi.</translation>
    </message>
    <message>
        <source>Chalk</source>
        <comment>A magic brush that draws grainy lines like a stick of chalk.</comment>
        <translation>Tebeşir</translation>
    </message>
    <message>
        <source>Chalk: draw dusty, bumpy lines like chalk on the pavement.</source>
        <comment>The help line of the chalk brush, read aloud to a child.</comment>
        <translation>Tebeşir: kaldırımdaki tebeşir gibi tozlu, pürüzlü çizgiler çiz.</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <comment>A magic brush that scatters little twinkling stars along the line.</comment>
        <translation>Pırıltılar</translation>
    </message>
    <message>
        <source>Sparkles: draw a trail of twinkling stars.</source>
        <comment>The help line of the sparkles brush, read aloud to a child.</comment>
        <translation>Pırıltılar: parıldayan yıldızlardan bir iz çiz.</translation>
    </message>
    <message>
        <source>Blur</source>
        <comment>A magic brush that makes the paint soft and fuzzy.</comment>
        <translation>Bulanık</translation>
    </message>
    <message>
        <source>Blur: paint over your picture to make it soft and dreamy.</source>
        <comment>The help line of the blur brush, read aloud to a small child.</comment>
        <translation>Bulanık: resminin üzerine boya, yumuşacık ve rüya gibi olsun.</translation>
    </message>
    <message>
        <source>Smudge</source>
        <comment>A magic brush that drags the paint along like a wet finger.</comment>
        <translation>Dağıt</translation>
    </message>
    <message>
        <source>Smudge: push the paint around like a wet finger.</source>
        <comment>The help line of the smudge brush, read aloud to a small child.</comment>
        <translation>Dağıt: boyayı ıslak bir parmakla itiyormuş gibi dağıt.</translation>
    </message>
    <message>
        <source>Tint</source>
        <comment>A magic brush that colours the paint under it with the chosen colour, keeping its light and dark parts.</comment>
        <translation>Renklendir</translation>
    </message>
    <message>
        <source>Tint: give your painting a new color and keep its light and dark.</source>
        <comment>The help line of the tint brush, read aloud to a small child.</comment>
        <translation>Renklendir: resmine yeni bir renk ver, açık ve koyu yerleri kalsın.</translation>
    </message>
    <message>
        <source>Lighten</source>
        <comment>A magic brush that makes the paint paler with each stroke.</comment>
        <translation>Açalt</translation>
    </message>
    <message>
        <source>Lighten: paint over colors to make them lighter.</source>
        <comment>The help line of the lighten brush, read aloud to a small child.</comment>
        <translation>Açalt: renklerin üzerine boya, daha açık olsunlar.</translation>
    </message>
    <message>
        <source>Darken</source>
        <comment>A magic brush that makes the paint deeper with each stroke.</comment>
        <translation>Koyulaştır</translation>
    </message>
    <message>
        <source>Darken: paint over colors to make them darker.</source>
        <comment>The help line of the darken brush, read aloud to a small child.</comment>
        <translation>Koyulaştır: renklerin üzerine boya, daha koyu olsunlar.</translation>
    </message>
    <message>
        <source>Opposite</source>
        <comment>A magic brush that turns colours into their opposites, like a photo negative: white becomes black, yellow becomes blue.</comment>
        <translation>Tersine</translation>
    </message>
    <message>
        <source>Opposite: turn colors into their opposites, light into dark.</source>
        <comment>The help line of the negative brush, read aloud to a small child.</comment>
        <translation>Tersine: renkleri zıttına çevir, açık renkler koyu olsun.</translation>
    </message>
    <message>
        <source>Upside down</source>
        <comment>A magic effect that turns the whole picture upside down at one press.</comment>
        <translation>Baş aşağı</translation>
    </message>
    <message>
        <source>Upside down: press to turn your whole picture upside down.</source>
        <comment>Help line of the upside-down magic effect, read aloud to a young child.</comment>
        <translation>Baş aşağı: bütün resmini baş aşağı çevirmek için bas.</translation>
    </message>
    <message>
        <source>Swap sides</source>
        <comment>A magic effect that turns the whole picture around, left to right, at one press.</comment>
        <translation>Taraf değiştir</translation>
    </message>
    <message>
        <source>Swap sides: press to turn your picture around, left to right.</source>
        <comment>Help line of the swap-sides magic effect, read aloud to a young child.</comment>
        <translation>Taraf değiştir: resmini soldan sağa çevirmek için bas.</translation>
    </message>
    <message>
        <source>Snow</source>
        <comment>A magic effect that lets snowflakes fall all over the picture at one press.</comment>
        <translation>Kar</translation>
    </message>
    <message>
        <source>Snow: press to make snowflakes fall all over your picture.</source>
        <comment>Help line of the snow magic effect, read aloud to a young child.</comment>
        <translation>Kar: bütün resmine kar taneleri yağdırmak için bas.</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <comment>A magic effect that shows the picture through big round soap bubbles.</comment>
        <translation>Baloncuklar</translation>
    </message>
    <message>
        <source>Bubbles: press to see your picture through soap bubbles.</source>
        <comment>Help line of the bubbles magic effect, read aloud to a young child.</comment>
        <translation>Baloncuklar: resmine sabun köpüğü baloncuklarının içinden bakmak için bas.</translation>
    </message>
    <message>
        <source>Blocks</source>
        <comment>A magic effect that turns the whole picture into little square tiles, as a mosaic.</comment>
        <translation>Kareler</translation>
    </message>
    <message>
        <source>Blocks: press to make your picture out of little squares.</source>
        <comment>Help line of the blocks (mosaic) magic effect, read aloud to a young child.</comment>
        <translation>Kareler: resmini küçük karelerden yapmak için bas.</translation>
    </message>
    <message>
        <source>Shapes and lines</source>
        <comment>Tool: opens a box of shapes (circle, square, star, heart...) and a straight line, which the child drags out to size.</comment>
        <translation>Şekiller ve çizgiler</translation>
    </message>
    <message>
        <source>Letters</source>
        <comment>Tool: write words on the picture, with the keyboard or big letter buttons.</comment>
        <translation>Harfler</translation>
    </message>
    <message>
        <source>Circle</source>
        <comment>A shape tool: a round circle, dragged out from its middle.</comment>
        <translation>Daire</translation>
    </message>
    <message>
        <source>Circle: press for the middle and pull out a round circle.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Daire: ortası için bas ve yuvarlak bir daire çek.</translation>
    </message>
    <message>
        <source>Oval</source>
        <comment>A shape tool: an oval, dragged out from its middle, as wide and tall as you pull.</comment>
        <translation>Oval</translation>
    </message>
    <message>
        <source>Oval: press for the middle and pull out an egg shape, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Elips: ortası için bas ve uzun ya da yüksek bir yumurta şekli çek.</translation>
    </message>
    <message>
        <source>Square</source>
        <comment>A shape tool: a square, dragged out from its middle.</comment>
        <translation>Kare</translation>
    </message>
    <message>
        <source>Square: press for the middle and pull out a square.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Kare: ortası için bas ve bir kare çek.</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <comment>A shape tool: a box, dragged out from its middle to a corner.</comment>
        <translation>Dikdörtgen</translation>
    </message>
    <message>
        <source>Rectangle: press for the middle and pull a corner out, long or tall.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Dikdörtgen: ortası için bas ve bir köşeyi dışarı çek, uzun ya da yüksek.</translation>
    </message>
    <message>
        <source>Triangle</source>
        <comment>A shape tool: a triangle standing on its base, dragged out from its middle.</comment>
        <translation>Üçgen</translation>
    </message>
    <message>
        <source>Triangle: press for the middle and pull out a triangle like a little roof.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Üçgen: ortası için bas ve küçük bir çatı gibi bir üçgen çek.</translation>
    </message>
    <message>
        <source>Star</source>
        <comment>A shape tool: a five-pointed star, dragged out from its middle.</comment>
        <translation>Yıldız</translation>
    </message>
    <message>
        <source>Star: press for the middle and pull out a big star.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Yıldız: ortası için bas ve büyük bir yıldız çek.</translation>
    </message>
    <message>
        <source>Heart</source>
        <comment>A shape tool: a heart, dragged out from its middle.</comment>
        <translation>Kalp</translation>
    </message>
    <message>
        <source>Heart: press for the middle and pull out a heart.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Kalp: ortası için bas ve bir kalp çek.</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>A shape tool: a diamond (a square standing on its corner), dragged out from its middle.</comment>
        <translation>Baklava</translation>
    </message>
    <message>
        <source>Diamond: press for the middle and pull out a diamond, like a kite.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Baklava: ortası için bas ve uçurtma gibi bir baklava dilimi çek.</translation>
    </message>
    <message>
        <source>Straight line</source>
        <comment>A shape tool: a straight line drawn with the crayon, from where you press to where you let go.</comment>
        <translation>Düz çizgi</translation>
    </message>
    <message>
        <source>Straight line: press where it starts and let go where it ends.</source>
        <comment>The help line of a shape tool, read aloud to a child.</comment>
        <translation>Düz çizgi: başladığı yere bas, bittiği yerde bırak.</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>A key of the on-screen letter board: a gap between two words.</comment>
        <translation>Boşluk</translation>
    </message>
    <message>
        <source>Take back a letter</source>
        <comment>A key of the on-screen letter board that removes the last letter written.</comment>
        <translation>Bir harf sil</translation>
    </message>
    <message>
        <source>Put the word on the page</source>
        <comment>A key of the on-screen letter board that ends the word and leaves it on the drawing.</comment>
        <translation>Kelimeyi sayfaya koy</translation>
    </message>
    <message>
        <source>Letters: press on the page where your word goes, then press the big letters.</source>
        <comment>What the on-screen letter board is for, read aloud to a young child.</comment>
        <translation>Harfler: kelimenin gideceği yere bas, sonra büyük harflere bas.</translation>
    </message>
    <message>
        <source>More colors: the rainbow</source>
        <comment>Tooltip and screen-reader name of the little rainbow under the chosen colour: it opens a big field of every colour.</comment>
        <translation>Daha çok renk: gökkuşağı</translation>
    </message>
    <message>
        <source>Rainbow: press a color</source>
        <comment>Screen-reader name of the big field of colours; a press or a drag on it chooses the colour there. Speak to a child (informal you).</comment>
        <translation>Gökkuşağı: bir renge bas</translation>
    </message>
    <message>
        <source>Dropper: take a color from your picture</source>
        <comment>Tooltip of the dropper button: the next press on the picture takes the colour there. Speak to a child (informal you).</comment>
        <translation>Damlalık: resminden bir renk al</translation>
    </message>
    <message>
        <source>Close the rainbow</source>
        <comment>Tooltip of the button that closes the big field of colours.</comment>
        <translation>Gökkuşağını kapat</translation>
    </message>
    <message>
        <source>Animals</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;animals&apos;.</comment>
        <translation>Hayvanlar</translation>
    </message>
    <message>
        <source>Clothes</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;clothes&apos;.</comment>
        <translation>Giysiler</translation>
    </message>
    <message>
        <source>Food</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;food&apos;.</comment>
        <translation>Yiyecekler</translation>
    </message>
    <message>
        <source>Hobbies</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;hobbies&apos;.</comment>
        <translation>Hobiler</translation>
    </message>
    <message>
        <source>At home</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;household&apos;.</comment>
        <translation>Evde</translation>
    </message>
    <message>
        <source>Doctor and nurse</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;medical&apos;.</comment>
        <translation>Doktor ve hemşire</translation>
    </message>
    <message>
        <source>Soldiers</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;military&apos;.</comment>
        <translation>Askerler</translation>
    </message>
    <message>
        <source>Weather and nature</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;naturalforces&apos;.</comment>
        <translation>Hava ve doğa</translation>
    </message>
    <message>
        <source>People</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;people&apos;.</comment>
        <translation>İnsanlar</translation>
    </message>
    <message>
        <source>Plants</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;plants&apos;.</comment>
        <translation>Bitkiler</translation>
    </message>
    <message>
        <source>Holidays and seasons</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;seasonal&apos;.</comment>
        <translation>Bayramlar ve mevsimler</translation>
    </message>
    <message>
        <source>Stars and planets</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;space&apos;.</comment>
        <translation>Yıldızlar ve gezegenler</translation>
    </message>
    <message>
        <source>Sports</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;sports&apos;.</comment>
        <translation>Spor</translation>
    </message>
    <message>
        <source>Signs and symbols</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;symbols&apos;.</comment>
        <translation>İşaretler ve semboller</translation>
    </message>
    <message>
        <source>Town</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;town&apos;.</comment>
        <translation>Şehir</translation>
    </message>
    <message>
        <source>Vehicles</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing) about one theme, shown as a tooltip and read by screen readers; the folder is called &apos;vehicles&apos;.</comment>
        <translation>Taşıtlar</translation>
    </message>
    <message>
        <source>Other stamps</source>
        <comment>Name of a group of stamps (little pictures a child puts on the drawing): the stamps found directly in a stamp collection&apos;s folder, not in a theme.</comment>
        <translation>Başka damgalar</translation>
    </message>
    <message>
        <source>All the stamps</source>
        <comment>Title of the big stamp browser while it shows the groups of stamps. Speak to a child (informal you).</comment>
        <translation>Bütün damgalar</translation>
    </message>
    <message>
        <source>More stamps</source>
        <comment>Tooltip of the big button in the stamps panel that opens the browser of many more stamps. Speak to a child (informal you).</comment>
        <translation>Daha çok damga</translation>
    </message>
    <message>
        <source>Small stamps</source>
        <comment>Tooltip of the button that makes stamps small. Speak to a child (informal you).</comment>
        <translation>Küçük damgalar</translation>
    </message>
    <message>
        <source>Middle-sized stamps</source>
        <comment>Tooltip of the button that makes stamps their usual, middle size. Speak to a child (informal you).</comment>
        <translation>Orta boy damgalar</translation>
    </message>
    <message>
        <source>Big stamps</source>
        <comment>Tooltip of the button that makes stamps big. Speak to a child (informal you).</comment>
        <translation>Büyük damgalar</translation>
    </message>
    <message>
        <source>Giant stamps</source>
        <comment>Tooltip of the button that makes stamps very big. Speak to a child (informal you).</comment>
        <translation>Kocaman damgalar</translation>
    </message>
    <message>
        <source>Turn the stamp left to right</source>
        <comment>Tooltip of the button that mirrors the stamp (left becomes right). Speak to a child (informal you).</comment>
        <translation>Damgayı sağa sola çevir</translation>
    </message>
    <message>
        <source>Turn the stamp upside down</source>
        <comment>Tooltip of the button that flips the stamp upside down. Speak to a child (informal you).</comment>
        <translation>Damgayı baş aşağı çevir</translation>
    </message>
    <message>
        <source>Back to all the stamps</source>
        <comment>Tooltip of the button in the stamp browser that goes back from one group to all the groups. Speak to a child (informal you).</comment>
        <translation>Bütün damgalara dön</translation>
    </message>
    <message>
        <source>Close the stamps</source>
        <comment>Tooltip of the button that closes the big stamp browser. Speak to a child (informal you).</comment>
        <translation>Damgaları kapat</translation>
    </message>
    <message>
        <source>Stamps before</source>
        <comment>Tooltip of the arrow that shows the page of stamps before this one. Speak to a child (informal you).</comment>
        <translation>Önceki damgalar</translation>
    </message>
    <message>
        <source>More stamps after</source>
        <comment>Tooltip of the arrow that shows the next page of stamps. Speak to a child (informal you).</comment>
        <translation>Sonraki damgalar</translation>
    </message>
    <message>
        <source>All the pages</source>
        <comment>Tooltip of the button that shows every colouring page at once as little pictures, and the title of that panel.</comment>
        <translation>Bütün sayfalar</translation>
    </message>
    <message>
        <source>Color this page</source>
        <comment>Tooltip and screen-reader name of one little picture of a colouring page: a press puts it on the canvas. Speak to a child (informal you).</comment>
        <translation>Bu sayfayı boya</translation>
    </message>
    <message>
        <source>Paper to paint on</source>
        <comment>Tooltip of the button that offers coloured paper and background pictures for a new page, and the title of that panel.</comment>
        <translation>Boyamak için kâğıt</translation>
    </message>
    <message>
        <source>Start on this paper</source>
        <comment>Tooltip and screen-reader name of one coloured paper or background picture: a press starts a new page on it. Speak to a child (informal you).</comment>
        <translation>Bu kâğıtla başla</translation>
    </message>
    <message>
        <source>Close: only with a grown-up</source>
        <comment>Tooltip and screen-reader name of the window&apos;s close button when the school has locked closing: a grown-up must answer a question first.</comment>
        <translation>Kapat: yalnızca bir büyükle</translation>
    </message>
    <message>
        <source>Who is painting?</source>
        <comment>The friendly question over the big pictures of the children who share the computer, read aloud to a young child at the start.</comment>
        <translation>Kim resim yapacak?</translation>
    </message>
    <message>
        <source>Another child&apos;s turn</source>
        <comment>Tooltip of the small picture of the child painting now, in the window&apos;s corner: a press lets another child choose their picture.</comment>
        <translation>Sıra başka bir çocukta</translation>
    </message>
    <message>
        <source>Collect the drawings</source>
        <comment>The grown-up&apos;s settings page that gathers a span of days of drawings into files; its name on the window&apos;s side.</comment>
        <translation>Resimleri topla</translation>
    </message>
    <message>
        <source>Whose drawings?</source>
        <comment>Label of the choice of child whose drawings are collected (or everyone).</comment>
        <translation>Kimin resimleri?</translation>
    </message>
    <message>
        <source>Everyone</source>
        <comment>The choice that collects the drawings of every child.</comment>
        <translation>Herkes</translation>
    </message>
    <message>
        <source>All the drawings</source>
        <comment>Shown instead of a choice of child when the account has no children named.</comment>
        <translation>Tüm resimler</translation>
    </message>
    <message>
        <source>From</source>
        <comment>Label of the first day of the span of days collected.</comment>
        <translation>İlk gün</translation>
    </message>
    <message>
        <source>To</source>
        <comment>Label of the last day of the span of days collected (included).</comment>
        <translation>Bitiş</translation>
    </message>
    <message>
        <source>Pictures in a folder</source>
        <comment>One of three big choices: each drawing as a PNG file in a folder.</comment>
        <translation>Klasöre resimler</translation>
    </message>
    <message>
        <source>A booklet to print</source>
        <comment>One of three big choices: one PDF file, a page a drawing, to print.</comment>
        <translation>Yazdırılacak kitapçık</translation>
    </message>
    <message>
        <source>A film</source>
        <comment>One of three big choices: one animated picture showing the drawings one after another.</comment>
        <translation>Bir film</translation>
    </message>
    <message>
        <source>Seconds for each picture</source>
        <comment>Label of the film&apos;s speed: how long each drawing is shown.</comment>
        <translation>Resim başına saniye</translation>
    </message>
    <message>
        <source>A cover page for each child</source>
        <comment>Check box: the booklet starts each child&apos;s drawings with a page showing the child&apos;s name.</comment>
        <translation>Her çocuğa bir kapak sayfası</translation>
    </message>
    <message>
        <source>A cover page</source>
        <comment>Check box: the booklet starts with a page showing the span of days (no children named).</comment>
        <translation>Kapak sayfası</translation>
    </message>
    <message>
        <source>Make it</source>
        <comment>The big button that starts making the pictures, booklet or film.</comment>
        <translation>Yap</translation>
    </message>
    <message>
        <source>Stop making it</source>
        <comment>The big button while the work runs: stops it.</comment>
        <translation>Yapmayı durdur</translation>
    </message>
    <message>
        <source>Our drawings</source>
        <comment>Title of a booklet&apos;s cover page (and of the booklet) when no child is named.</comment>
        <translation>Resimlerimiz</translation>
    </message>
    <message>
        <source>Where should the pictures go?</source>
        <comment>Title of the dialog choosing the folder for the PNG files (a new folder name may be typed).</comment>
        <translation>Resimler nereye konsun?</translation>
    </message>
    <message>
        <source>Where should the booklet go?</source>
        <comment>Title of the dialog choosing the booklet&apos;s PDF file.</comment>
        <translation>Kitapçık nereye konsun?</translation>
    </message>
    <message>
        <source>Where should the film go?</source>
        <comment>Title of the dialog choosing the film&apos;s file.</comment>
        <translation>Film nereye konsun?</translation>
    </message>
    <message>
        <source>Drawings put in the folder: %1</source>
        <comment>The result line after making the pictures; %1 how many.</comment>
        <translation>Klasöre konan resimler: %1</translation>
    </message>
    <message>
        <source>Drawings put in the booklet: %1</source>
        <comment>The result line after making the booklet; %1 how many.</comment>
        <translation>Kitapçığa konan resimler: %1</translation>
    </message>
    <message>
        <source>Drawings put in the film: %1</source>
        <comment>The result line after making the film; %1 how many.</comment>
        <translation>Filme konan resimler: %1</translation>
    </message>
    <message>
        <source>There are no drawings on those days.</source>
        <comment>The result line when the span of days holds no drawing: nothing was made.</comment>
        <translation>O günlerde resim yok.</translation>
    </message>
    <message>
        <source>Stopped: nothing more was made.</source>
        <comment>The result line after the grown-up pressed Stop.</comment>
        <translation>Durduruldu: başka bir şey yapılmadı.</translation>
    </message>
    <message>
        <source>It could not be written: %1</source>
        <comment>The result line when the file or folder could not be written; %1 the system&apos;s reason.</comment>
        <translation>Yazılamadı: %1</translation>
    </message>
    <message>
        <source>Drawings that could not be read, left out: %1</source>
        <comment>A second result line: files the program refused to read (damaged or too large); %1 how many.</comment>
        <translation>Okunamadığı için atlanan resimler: %1</translation>
    </message>
    <message>
        <source>Too many drawings, left out: %1</source>
        <comment>A second result line: drawings past the most one collection takes; %1 how many.</comment>
        <translation>Çok fazla resim, atlanan: %1</translation>
    </message>
</context>
</TS>
