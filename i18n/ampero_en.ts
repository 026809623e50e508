<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sv">
<context>
    <name>Ampero</name>
    <message>
        <source>AL värdet måste vara ifyllt</source>
        <translation>The AL value must be filled in</translation>
    </message>
    <message>
        <source> Längd och Diameter måste vara ifyllda</source>
        <translation>Length and diameter must be filled in</translation>
    </message>
    <message>
        <source>Närmast: %1</source>
        <translation>Nearest: %1</translation>
    </message>
    <message>
        <source>I serie: %1</source>
        <translation>In series: %1</translation>
    </message>
    <message>
        <source>Parallellt: %1</source>
        <translation>In parallel: %1</translation>
    </message>
    <message>
        <source>Tre delar: %1</source>
        <translation>Three parts: %1</translation>
    </message>
    <message>
        <source>Inga egna delar – välj Ändra…</source>
        <translation>No own parts – choose Edit…</translation>
    </message>
    <message>
        <source>Bästa par ur %1: R1 %2 och R2 %3 ger %4</source>
        <translation>Best pair from %1: R1 %2 and R2 %3 give %4</translation>
    </message>
    <message>
        <source>egna delar</source>
        <translation>own parts</translation>
    </message>
    <message>
        <source>Alla värden måste vara större än noll</source>
        <translation>All values must be greater than zero</translation>
    </message>
    <message>
        <source>Uut måste vara mindre än Uin</source>
        <translation>Uout must be less than Uin</translation>
    </message>
    <message>
        <source>Bekräfta tre värden, eller Uin och Uut för bästa par</source>
        <translation>Confirm three values, or Uin and Uout for the best pair</translation>
    </message>
    <message>
        <source>Närmast i standardserierna för %1:  %2</source>
        <translation>Nearest standard values to %1:  %2</translation>
    </message>
    <message>
        <source>Effekt %1 – välj minst %2</source>
        <translation>Power %1 – choose at least %2</translation>
    </message>
    <message>
        <source>Effekt %1 – välj en effektresistor</source>
        <translation>Power %1 – choose a power resistor</translation>
    </message>
    <message>
        <source>Frekvens måste vara ifylld</source>
        <translation>Frequency must be filled in</translation>
    </message>
    <message>
        <source>svart</source>
        <translation>black</translation>
    </message>
    <message>
        <source>brun</source>
        <translation>brown</translation>
    </message>
    <message>
        <source>röd</source>
        <translation>red</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>gul</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>grön</source>
        <translation>green</translation>
    </message>
    <message>
        <source>blå</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>violett</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>grå</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>vit</source>
        <translation>white</translation>
    </message>
    <message>
        <source>guld</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>Okänd märkning</source>
        <translation>Unknown marking</translation>
    </message>
    <message>
        <source>inga färgband</source>
        <translation>no colour bands</translation>
    </message>
    <message>
        <source>Endast heltal 1 - 3300 tillåtet</source>
        <translation>Only whole numbers 1 - 3300 allowed</translation>
    </message>
    <message>
        <source>Endast heltal &gt;= 1 tillåtet</source>
        <translation>Only whole numbers &gt;= 1 allowed</translation>
    </message>
    <message>
        <source>300000 är max tillåtet</source>
        <translation>300000 is the maximum allowed</translation>
    </message>
    <message>
        <source>Negativt resultat fungerar inte</source>
        <translation>A negative result does not work</translation>
    </message>
    <message>
        <source>Historia %1</source>
        <translation>History %1</translation>
    </message>
    <message>
        <source>&amp;Kopiera</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Klistra &amp;in</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Markera &amp;allt</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>bekräftad</source>
        <translation>confirmed</translation>
    </message>
    <message>
        <source>beräknad</source>
        <translation>calculated</translation>
    </message>
    <message>
        <source>Standardvärden</source>
        <translation>Standard values</translation>
    </message>
    <message>
        <source>Ohms lag: U = R · I</source>
        <translation>Ohm&apos;s law: U = R · I</translation>
    </message>
    <message>
        <source>Lysdioder</source>
        <translation>LEDs</translation>
    </message>
    <message>
        <source>Timerkretsen NE 555</source>
        <translation>The NE 555 timer</translation>
    </message>
    <message>
        <source>Kondensatorer</source>
        <translation>Capacitors</translation>
    </message>
    <message>
        <source>Spolar</source>
        <translation>Coils</translation>
    </message>
    <message>
        <source>Resonanskrets LC</source>
        <translation>LC resonant circuit</translation>
    </message>
    <message>
        <source>Klicka för två motstånd som ger värdet</source>
        <translation>Click for two resistors that give the value</translation>
    </message>
    <message>
        <source>Arkiv</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Språk</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Avsluta</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Om</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Hittade inte WinHlp32.exe<byte value="xd"/>
Läs bifogad Info.rtf</source>
        <translation>WinHlp32.exe not found<byte value="xd"/>
Read the enclosed Info.rtf</translation>
    </message>
    <message>
        <source>Ampero – Info</source>
        <translation>Ampero – Info</translation>
    </message>
    <message>
        <source>Hjälptext</source>
        <translation>Help text</translation>
    </message>
    <message>
        <source>Om Ampero</source>
        <translation>About Ampero</translation>
    </message>
    <message>
        <source>Räknare för hobbyelektronik: Ohms lag, färgkod, lysdioder, RC-nät och NE 555, kondensatorer, spolar, resonans och impedans, och verktyg för arbetsbänken: spänningsdelare, två motstånd för ett värde och avläsning av märkningar.
Version %1</source>
        <translation>A calculator for hobby electronics: Ohm&apos;s law, the colour code, LEDs, RC networks and the NE 555, capacitors, coils, resonance and impedance, and tools for the workbench: a voltage divider, two resistors for one value and reading markings.
Version %1</translation>
    </message>
    <message>
        <source>Bläddra vänster</source>
        <translation>Scroll left</translation>
    </message>
    <message>
        <source>Bläddra höger</source>
        <translation>Scroll right</translation>
    </message>
    <message>
        <source>Räkna</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>F 12</source>
        <translation>F 12</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Historia</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Här kan du räkna på seriekopplade kapacitanser   och parallellkopplade motstånd.                               Tänk på att använda samma sort tex .    pF , ohm</source>
        <translation>Here you can work out capacitors in series            and resistors in parallel.                                                       Use the same unit in every field, e.g. pF or ohms.</translation>
    </message>
    <message>
        <source>Kondensator XC</source>
        <translation>Capacitor XC</translation>
    </message>
    <message>
        <source>Seriekoppling</source>
        <translation>Series connection</translation>
    </message>
    <message>
        <source>Kondensator</source>
        <translation>Capacitor</translation>
    </message>
    <message>
        <source>Alla inmatningar du gör skall bekräftas(valideras) med &lt;Enter&gt; . Du får röd lampa.            Grön visar svaret.</source>
        <translation>Confirm every value you enter with &lt;Enter&gt;. Its lamp turns red.            Green shows the answer.</translation>
    </message>
    <message>
        <source>Frekvens Mhz</source>
        <translation>Frequency MHz</translation>
    </message>
    <message>
        <source>Kapacitans pF</source>
        <translation>Capacitance pF</translation>
    </message>
    <message>
        <source>Reaktans Ohm</source>
        <translation>Reactance ohms</translation>
    </message>
    <message>
        <source>Seriekoppling </source>
        <translation>Series connection </translation>
    </message>
    <message>
        <source>Värde %1</source>
        <translation>Value %1</translation>
    </message>
    <message>
        <source>Svar</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Nästa blir</source>
        <translation>Value to add</translation>
    </message>
    <message>
        <source>Seriekopplade kondensatorer</source>
        <translation>Capacitors in series</translation>
    </message>
    <message>
        <source>Ny</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Spolar XL</source>
        <translation>Coil XL</translation>
    </message>
    <message>
        <source> Tillverka Spolar</source>
        <translation> Coil winding</translation>
    </message>
    <message>
        <source>Spole</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>Tillverka Spole</source>
        <translation>Coil winding</translation>
    </message>
    <message>
        <source>Längd och diameter måste alltid vara med. Här krävs 3 uppgifter    </source>
        <translation>Length and diameter are always needed. Three values are required here.</translation>
    </message>
    <message>
        <source>Tillverka Spolar måste ha 3 värde . Diameter och Längd måste vara med</source>
        <translation>Coil winding needs 3 values. Length and diameter must be among them.</translation>
    </message>
    <message>
        <source>Induktans µH</source>
        <translation>Inductance µH</translation>
    </message>
    <message>
        <source>AL-värde nH/N²</source>
        <translation>AL value nH/N²</translation>
    </message>
    <message>
        <source>Längd cm</source>
        <translation>Length cm</translation>
    </message>
    <message>
        <source>Diameter cm</source>
        <translation>Diameter cm</translation>
    </message>
    <message>
        <source>Antal Varv</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>A&amp;L-värdet är känt</source>
        <translation>A&amp;L value is known</translation>
    </message>
    <message>
        <source>När du trycker &lt;Enter&gt; i Ohmrutan sker uträkning
Obs Max mA  är högsta rekommenderade ström
enl. databladet.Du kan sänka detta värde till hälften

Vf = den spänning som krävs för att tända LED

LysDiod  LED : räkneexempel : Drivspänning: 12V
Lysdiod: 2 V     15mA
(12  -  2)  /  0,015 = 666 ohm = 680 ohm  (E12)

Drivspänning:    5V
Lysdiod: 2 V    15mA
(5 - 2) / 0,015 = 200 ohm      = 220 ohm  (E12)

Drivspänning:    5V
Lysdiod: 3,6 V    25mA
(5 - 3,6) / 0,025 = 56 ohm      = 56 ohm  (E12)

Drivspänning:   9V
Tre dioder i serie ( 2V  15 mA)
( 9 - 6 ) / 0,015 =  200 ohm   =  220 ohm (E12)
</source>
        <translation>Press &lt;Enter&gt; in the Series R box to calculate
Note: Max mA  is the highest current the
data sheet recommends. You may halve it.

Vf = the voltage it takes to light the LED

LED  worked example :  Supply voltage: 12V
LED: 2 V     15mA
(12  -  2)  /  0.015 = 666 ohms = 680 ohms  (E12)

Supply voltage:    5V
LED: 2 V    15mA
(5 - 2) / 0.015 = 200 ohms      = 220 ohms  (E12)

Supply voltage:    5V
LED: 3.6 V    25mA
(5 - 3.6) / 0.025 = 56 ohms      = 56 ohms  (E12)

Supply voltage:   9V
Three LEDs in series ( 2V  15 mA)
( 9 - 6 ) / 0.015 =  200 ohms   =  220 ohms (E12)
</translation>
    </message>
    <message>
        <source>Ohm : s Lag</source>
        <translation>Ohm&apos;s law</translation>
    </message>
    <message>
        <source>LED beräkningar</source>
        <translation>LED calculations</translation>
    </message>
    <message>
        <source>Klicka på färg </source>
        <translation>Click a colour</translation>
    </message>
    <message>
        <source>Färg %1 %2</source>
        <translation>Colour %1 %2</translation>
    </message>
    <message>
        <source>Skriv in två värde.  Validera med &lt; Enter &gt;  </source>
        <translation>Type in two values.  Confirm with &lt; Enter &gt;  </translation>
    </message>
    <message>
        <source>Ohm :s Lag</source>
        <translation>Ohm&apos;s law</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohms</translation>
    </message>
    <message>
        <source>Resistans Ohm</source>
        <translation>Resistance ohms</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volts</translation>
    </message>
    <message>
        <source>Spänning Volt</source>
        <translation>Voltage volts</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Effekt Watt</source>
        <translation>Power watts</translation>
    </message>
    <message>
        <source>Amper</source>
        <translation>Amps</translation>
    </message>
    <message>
        <source>Ström Amper</source>
        <translation>Current amps</translation>
    </message>
    <message>
        <source>Lysdioder skall normalt alltid serikopplas med en resistans på minus sidan</source>
        <translation>An LED must always have a series resistor, normally on its negative side</translation>
    </message>
    <message>
        <source>Drivspänning      Vf           Max   mA    Antal i ser.   Ohm i serie</source>
        <translation>Supply V             Vf           Max   mA           LEDs          Series R</translation>
    </message>
    <message>
        <source>Drivspänning Volt</source>
        <translation>Supply voltage volts</translation>
    </message>
    <message>
        <source>Vf Volt</source>
        <translation>Vf volts</translation>
    </message>
    <message>
        <source>Max mA</source>
        <translation>Maximum current mA</translation>
    </message>
    <message>
        <source>Antal i serie</source>
        <translation>LEDs in series</translation>
    </message>
    <message>
        <source>Ohm i serie</source>
        <translation>Series resistor ohms</translation>
    </message>
    <message>
        <source>LED räkneexempel</source>
        <translation>LED worked examples</translation>
    </message>
    <message>
        <source>I Ohm:s Lag kan du klicka på en färgruta för att få ett färgvärde</source>
        <translation>In Ohm&apos;s law you can click a colour swatch to enter its value</translation>
    </message>
    <message>
        <source>Optokopplare till  PC   Lpt lämplig motstånd 330 ohm</source>
        <translation>Optocoupler on the  PC   LPT port: a suitable resistor is 330 ohms</translation>
    </message>
    <message>
        <source>Egna delar</source>
        <translation>Own parts</translation>
    </message>
    <message>
        <source>Dina motstånd, ett per rad eller åtskilda med blanksteg eller semikolon: 4k7, 470R, 10 k, 1M, 4,7 kΩ, 220.</source>
        <translation>Your resistors, one per line or separated by spaces or semicolons: 4k7, 470R, 10 k, 1M, 4.7 kΩ, 220.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Avbryt</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kan inte läsa: %1</source>
        <translation>Cannot read: %1</translation>
    </message>
    <message>
        <source>1 värde</source>
        <translation>1 value</translation>
    </message>
    <message>
        <source>%1 värden</source>
        <translation>%1 values</translation>
    </message>
    <message>
        <source>Max Ra  3.3 M - Min Ra 1000 ohm</source>
        <translation>Ra at most 3.3 M, at least 1000 ohms</translation>
    </message>
    <message>
        <source>Min C   1nF </source>
        <translation>C at least 1 nF</translation>
    </message>
    <message>
        <source>Max   300 Khz</source>
        <translation>f at most 300 kHz</translation>
    </message>
    <message>
        <source>Ra  kOhm</source>
        <translation>Ra  kilohms</translation>
    </message>
    <message>
        <source>Rb  kOhm</source>
        <translation>Rb  kilohms</translation>
    </message>
    <message>
        <source>C  nF</source>
        <translation>C  nF</translation>
    </message>
    <message>
        <source>f  Hz</source>
        <translation>f  Hz</translation>
    </message>
    <message>
        <source>Astabil vippa</source>
        <translation>Astable</translation>
    </message>
    <message>
        <source>NE 555</source>
        <translation>NE 555</translation>
    </message>
    <message>
        <source>tH och tL</source>
        <translation>tH and tL</translation>
    </message>
    <message>
        <source>Resistans Kapacitans   RC</source>
        <translation>Resistance Capacitance   RC</translation>
    </message>
    <message>
        <source>Lågfrekvensräkning  Obs nF och Hz  </source>
        <translation>Low-frequency calculation.  Note: nF and Hz</translation>
    </message>
    <message>
        <source>Resistans Kapacitans  NE 555 Timer</source>
        <translation>Resistance Capacitance  NE 555 timer</translation>
    </message>
    <message>
        <source>Lågfrekvensräkning  Obs nF och Hz   Obs 3 inmatningar krävs !  </source>
        <translation>Low-frequency calculation.  Note: nF and Hz.   Note: three values are needed!</translation>
    </message>
    <message>
        <source>Räkna ut tider Till / Från      tH / tL för NE 555</source>
        <translation>Work out the On / Off times      tH / tL for the NE 555</translation>
    </message>
    <message>
        <source>Alla inmatningar du gör skall bekräftas(valideras) med &lt;Enter&gt;</source>
        <translation>Every value you enter must be confirmed with &lt;Enter&gt;</translation>
    </message>
    <message>
        <source>Kapacitans nF</source>
        <translation>Capacitance nF</translation>
    </message>
    <message>
        <source>Frekvens Hz</source>
        <translation>Frequency Hz</translation>
    </message>
    <message>
        <source> Till / Från %</source>
        <translation> On / Off %</translation>
    </message>
    <message>
        <source> Hög   1    tH</source>
        <translation> High  1    tH</translation>
    </message>
    <message>
        <source> Låg    0    tL</source>
        <translation> Low   0    tL</translation>
    </message>
    <message>
        <source>Räkna på tid Hög</source>
        <translation>Use high time</translation>
    </message>
    <message>
        <source>Räkna på tid Låg</source>
        <translation>Use low time</translation>
    </message>
    <message>
        <source>Färgkod</source>
        <translation>Colour code</translation>
    </message>
    <message>
        <source>Färgkodens siffror</source>
        <translation>Colour code digits</translation>
    </message>
    <message>
        <source>Här måste alltid Frekvensboxen vara ifylld  </source>
        <translation>The frequency box must always be filled in here</translation>
    </message>
    <message>
        <source>Resonans Fq</source>
        <translation>Resonance Fq</translation>
    </message>
    <message>
        <source>Icke Resonans</source>
        <translation>Off resonance</translation>
    </message>
    <message>
        <source>Resonans</source>
        <translation>Resonance</translation>
    </message>
    <message>
        <source>  Icke Resonans                         Filterberäkning</source>
        <translation>  Off resonance                         Filter calculation</translation>
    </message>
    <message>
        <source>Impedans Z ohm</source>
        <translation>Impedance Z Ω</translation>
    </message>
    <message>
        <source>&amp;Parallell koppling</source>
        <translation>&amp;Parallel circuit</translation>
    </message>
    <message>
        <source>Ser&amp;ie koppling</source>
        <translation>&amp;Series circuit</translation>
    </message>
    <message>
        <source>Motstånd  Rs</source>
        <translation>Resistor  Rs</translation>
    </message>
    <message>
        <source>Spolens trådresistans ohm  </source>
        <translation>The coil&apos;s wire resistance in ohms</translation>
    </message>
    <message>
        <source>Motstånd Rs ohm</source>
        <translation>Resistor Rs ohms</translation>
    </message>
    <message>
        <source>Alla inmatningar du gör skall bekräftas(valideras) med &lt;Enter&gt; . Du får röd lampa.            Grön visar svaret                                                                                                                         Icke Resonans kräver tre(3) inmatningar för att kunna räkna. Frekvens måste alltid vara en av dom. Svar Impedans  Z</source>
        <translation>Every value you enter must be confirmed with &lt;Enter&gt;. Its lamp turns red.            Green shows the answer                                                                                                                         Off resonance needs three (3) values before it can calculate. The frequency must always be one of them. Answer: impedance  Z</translation>
    </message>
    <message>
        <source>Spänningsdelare: tre av Uin, R1, R2 och Uut bekräftade med &lt;Enter&gt; ger den fjärde. Bara Uin och Uut ger det bästa paret ur vald serie (R2 från 10 kΩ till under 100 kΩ), som räknas om när du byter serie. 5 V till 3,3 V ur E24: R1 47 kΩ och R2 91 kΩ, 3,297 V.

Kombination: skriv ett motståndsvärde och tryck &lt;Enter&gt;: närmaste värde, två i serie eller parallellt och den bästa kopplingen av tre. 667 Ω ur E12: 1,2 kΩ ∥ 1,5 kΩ = 666,667 Ω.

Egna: dina egna motstånd i stället för en serie, listan skrivs under Ändra…, t.ex. 100 220 470 1k 4k7 10k. Ur dem ger 667 Ω: 1 kΩ ∥ (1 kΩ + 1 kΩ). Listan och valen sparas till nästa gång.

Märkning: skriv koden på delen (472, 4702, 01C, 4R7; 104, 4n7, 104K) och tryck &lt;Enter&gt;.

Alla fält med enhet tar värden som på delarna: 4k7 = 4700 Ω, R47 = 0,47 Ω, 2M2 (m milli, M mega).</source>
        <translation>Voltage divider: three of Uin, R1, R2 and Uout confirmed with &lt;Enter&gt; give the fourth. Uin and Uout alone give the best pair from the chosen series (R2 from 10 kΩ to under 100 kΩ), found again when you change the series. 5 V to 3.3 V from E24: R1 47 kΩ and R2 91 kΩ, 3.297 V.

Combination: type a resistance and press &lt;Enter&gt;: the nearest value, two in series or in parallel, and the best combination of three. 667 Ω from E12: 1.2 kΩ ∥ 1.5 kΩ = 666.667 Ω.

Own: your own resistors instead of a series, listed under Edit…, e.g. 100 220 470 1k 4k7 10k. From these, 667 Ω gives 1 kΩ ∥ (1 kΩ + 1 kΩ). The list and the choices are remembered.

Marking: type the code on the part (472, 4702, 01C, 4R7; 104, 4n7, 104K) and press &lt;Enter&gt;.

Fields with a unit take values as printed on parts: 4k7 = 4700 Ω, R47 = 0.47 Ω, 2M2 (m milli, M mega).</translation>
    </message>
    <message>
        <source>Spänningsdelare</source>
        <translation>Voltage divider</translation>
    </message>
    <message>
        <source>Kombination</source>
        <translation>Combination</translation>
    </message>
    <message>
        <source>Märkning</source>
        <translation>Marking</translation>
    </message>
    <message>
        <source>Kunde inte läsa egna delar</source>
        <translation>Could not read own parts</translation>
    </message>
    <message>
        <source>Egna</source>
        <translation>Own</translation>
    </message>
    <message>
        <source>Ändra…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>Ändra egna delar</source>
        <translation>Edit own parts</translation>
    </message>
    <message>
        <source>Uin  V</source>
        <translation>Uin  V</translation>
    </message>
    <message>
        <source>Uin Volt</source>
        <translation>Uin volts</translation>
    </message>
    <message>
        <source>R1  Ohm</source>
        <translation>R1  ohms</translation>
    </message>
    <message>
        <source>R1 Ohm</source>
        <translation>R1 ohms</translation>
    </message>
    <message>
        <source>R2  Ohm</source>
        <translation>R2  ohms</translation>
    </message>
    <message>
        <source>R2 Ohm</source>
        <translation>R2 ohms</translation>
    </message>
    <message>
        <source>Uut  V</source>
        <translation>Uout  V</translation>
    </message>
    <message>
        <source>Uut Volt</source>
        <translation>Uout volts</translation>
    </message>
    <message>
        <source>Två eller tre motstånd för ett värde</source>
        <translation>Two or three resistors for one value</translation>
    </message>
    <message>
        <source>Mål  Ohm</source>
        <translation>Target  ohms</translation>
    </message>
    <message>
        <source>Mål Ohm</source>
        <translation>Target ohms</translation>
    </message>
    <message>
        <source>Närmast</source>
        <translation>Nearest</translation>
    </message>
    <message>
        <source>I serie</source>
        <translation>In series</translation>
    </message>
    <message>
        <source>Parallellt</source>
        <translation>In parallel</translation>
    </message>
    <message>
        <source>Tre delar</source>
        <translation>Three parts</translation>
    </message>
    <message>
        <source>Närmaste motstånd</source>
        <translation>Nearest resistor</translation>
    </message>
    <message>
        <source>Motstånd</source>
        <translation>Resistor</translation>
    </message>
    <message>
        <source>Värde</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Delen</source>
        <translation>The part</translation>
    </message>
    <message>
        <source>&amp;Ohm: s Lag</source>
        <translation>&amp;Ohm&apos;s law</translation>
    </message>
    <message>
        <source>R C  Nät</source>
        <translation>R C  network</translation>
    </message>
    <message>
        <source>&amp;Kondensator</source>
        <translation>&amp;Capacitor</translation>
    </message>
    <message>
        <source>&amp;Spolar</source>
        <translation>Co&amp;ils</translation>
    </message>
    <message>
        <source>&amp;Resonans</source>
        <translation>&amp;Resonance</translation>
    </message>
    <message>
        <source>&amp;Verktyg</source>
        <translation>&amp;Tools</translation>
    </message>
</context>
</TS>
