<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Credits: %1; Borrowed: %2</source>
        <translation>Guthaben: %1; geliehen: %2</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>Credits over this run</source>
        <translation>Guthaben seit dem Start</translation>
    </message>
    <message>
        <source>Started at %1 credits, now %2; lowest %3, highest %4; %5 paid spins.</source>
        <translation>Start mit %1 Credits, jetzt %2; niedrigster Stand %3, höchster %4; %5 bezahlte Drehungen.</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Speicherplatz %1</translation>
    </message>
    <message>
        <source>OK, slot %1</source>
        <translation>OK, Speicherplatz %1</translation>
    </message>
    <message>
        <source>Name of slot %1</source>
        <translation>Name von Speicherplatz %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Square %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>card %1, face down</source>
        <translation>Karte %1, verdeckt</translation>
    </message>
    <message>
        <source>card %1, Joker</source>
        <translation>Karte %1, Joker</translation>
    </message>
    <message>
        <source>card %1, %2 of %3</source>
        <translation>Karte %1, %3 %2</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation>Gewinn: %1</translation>
    </message>
    <message>
        <source>Zorva Slots. Enter spins, Space stops, Tab moves to the other controls.</source>
        <translation>Zorva Slots. Eingabetaste dreht, Leertaste stoppt, Tab wechselt zu den anderen Bedienelementen.</translation>
    </message>
    <message>
        <source>Free spins left: %1</source>
        <translation>Verbleibende Freispiele: %1</translation>
    </message>
    <message>
        <source>Lines plus</source>
        <translation>Linien plus</translation>
    </message>
    <message>
        <source>Play one more line</source>
        <translation>Eine Linie mehr spielen</translation>
    </message>
    <message>
        <source>Lines minus</source>
        <translation>Linien minus</translation>
    </message>
    <message>
        <source>Play one line fewer</source>
        <translation>Eine Linie weniger spielen</translation>
    </message>
    <message>
        <source>Coins plus</source>
        <translation>Münzen plus</translation>
    </message>
    <message>
        <source>Bet one more coin on each line</source>
        <translation>Eine Münze mehr auf jede Linie setzen</translation>
    </message>
    <message>
        <source>Coins minus</source>
        <translation>Münzen minus</translation>
    </message>
    <message>
        <source>Bet one coin fewer on each line</source>
        <translation>Eine Münze weniger auf jede Linie setzen</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Spin the wheels</source>
        <translation>Die Walzen drehen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop the wheels, or the Mystery Bonus chaser</source>
        <translation>Die Walzen anhalten oder das Lauflicht des Mystery-Bonus</translation>
    </message>
    <message>
        <source>What the machine just did</source>
        <translation>Was der Automat gerade getan hat</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globus</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Dollar</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Komet</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mystery</source>
        <translation>Mystery</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leerfeld</translation>
    </message>
    <message>
        <source>Credits: %1</source>
        <translation>Guthaben: %1</translation>
    </message>
    <message>
        <source>Bonus Pool: %1 credits; globes still needed: %2</source>
        <translation>Bonuspool: %1 Credits; noch benötigte Globen: %2</translation>
    </message>
    <message>
        <source>Win 3 FREE Spins: dollars still needed: %1</source>
        <translation>3 FREISPIELE gewinnen: noch benötigte Dollars: %1</translation>
    </message>
    <message>
        <source>Lines Played: %1</source>
        <translation>Linien: %1</translation>
    </message>
    <message>
        <source>Coins per Line: %1</source>
        <translation>Münzen pro Linie: %1</translation>
    </message>
    <message>
        <source>Coins Played: %1</source>
        <translation>Einsatz: %1</translation>
    </message>
    <message>
        <source>Wheels: spinning</source>
        <translation>Walzen: drehen sich</translation>
    </message>
    <message>
        <source>Wheels: top row %1, %2, %3; middle row %4, %5, %6; bottom row %7, %8, %9</source>
        <translation>Walzen: obere Reihe %1, %2, %3; mittlere Reihe %4, %5, %6; untere Reihe %7, %8, %9</translation>
    </message>
    <message>
        <source>Mystery Bonus: the chaser is on box %1; press Stop to take its prize</source>
        <translation>Mystery-Bonus: Das Lauflicht steht auf Kästchen %1; drücken Sie Stop, um seinen Preis zu erhalten</translation>
    </message>
    <message>
        <source>Mystery Bonus: box %1 won %2 credits; the boxes held %3</source>
        <translation>Mystery-Bonus: Kästchen %1 gewann %2 Credits; die Kästchen enthielten %3</translation>
    </message>
    <message>
        <source>Mystery Bonus: eight boxes; a Mystery symbol on the centre wheel starts the chaser</source>
        <translation>Mystery-Bonus: acht Kästchen; ein Mystery-Symbol auf der mittleren Walze startet das Lauflicht</translation>
    </message>
    <message>
        <source>Free spin.</source>
        <translation>Freispiel.</translation>
    </message>
    <message>
        <source>Winnings: %1.</source>
        <translation>Gewinn: %1.</translation>
    </message>
    <message>
        <source>Won %1 free spins.</source>
        <translation>%1 Freispiele gewonnen.</translation>
    </message>
    <message>
        <source>Count-off finished. Credits: %1.</source>
        <translation>Abzählen beendet. Guthaben: %1.</translation>
    </message>
    <message>
        <source>Free spins start: %1 free spins.</source>
        <translation>Die Freispiele beginnen: %1 Freispiele.</translation>
    </message>
    <message>
        <source>Free spins are over. They paid %1 credits.</source>
        <translation>Die Freispiele sind vorbei. Sie zahlten %1 Credits.</translation>
    </message>
    <message>
        <source>Mystery Bonus! The chaser is running: press Stop to take the prize of the lit box.</source>
        <translation>Mystery-Bonus! Das Lauflicht läuft: Drücken Sie Stop, um den Preis des leuchtenden Kästchens zu erhalten.</translation>
    </message>
    <message>
        <source>Won %1 credit bonus.</source>
        <translation>Bonus von %1 Credits gewonnen.</translation>
    </message>
    <message>
        <source>Credits: %1.</source>
        <translation>Guthaben: %1.</translation>
    </message>
    <message>
        <source>%1: on.</source>
        <translation>%1: an.</translation>
    </message>
    <message>
        <source>%1: off.</source>
        <translation>%1: aus.</translation>
    </message>
    <message>
        <source>The bet cannot change during a spin.</source>
        <translation>Während einer Drehung lässt sich der Einsatz nicht ändern.</translation>
    </message>
    <message>
        <source>%1, the least.</source>
        <translation>%1, weniger geht nicht.</translation>
    </message>
    <message>
        <source>%1, the most.</source>
        <translation>%1, mehr geht nicht.</translation>
    </message>
    <message>
        <source>Payoffs, %1</source>
        <translation>Auszahlungen, %1</translation>
    </message>
    <message>
        <source>Tab to the cards, move with the arrow keys, and press Space to turn one.</source>
        <translation>Mit Tab zu den Karten, mit den Pfeiltasten weiter, mit der Leertaste eine Karte aufdecken.</translation>
    </message>
    <message>
        <source>You won %1.</source>
        <translation>Sie haben %1 gewonnen.</translation>
    </message>
    <message>
        <source>Winnings at stake: %1.</source>
        <translation>Gewinn im Spiel: %1.</translation>
    </message>
    <message>
        <source>%1. You lost %2.</source>
        <translation>%1. Sie haben %2 verloren.</translation>
    </message>
    <message>
        <source>%1. Winnings: %2.</source>
        <translation>%1. Gewinn: %2.</translation>
    </message>
    <message>
        <source>Tab to the squares, move with the arrow keys, and press Space to turn one.</source>
        <translation>Mit Tab zu den Feldern, mit den Pfeiltasten weiter, mit der Leertaste ein Feld aufdecken.</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Link: %1</translation>
    </message>
</context>
<context>
    <name>Paychart</name>
    <message>
        <source>ZORVA SLOTS  PAYOFF CHART</source>
        <translation>ZORVA SLOTS  GEWINNPLAN</translation>
    </message>
    <message>
        <source>PAYS PER COIN</source>
        <translation>GEWINN PRO MÜNZE</translation>
    </message>
    <message>
        <source>FREE SPINS PAY PER COIN</source>
        <translation>FREISPIELE: GEWINN PRO MÜNZE</translation>
    </message>
    <message>
        <source>or WILD</source>
        <translation>oder WILD</translation>
    </message>
    <message>
        <source>any mix</source>
        <translation>gemischt</translation>
    </message>
    <message>
        <source>Return per coin on every free-spin line: %1</source>
        <translation>Mittlerer Gewinn pro Münze je Freispiel-Linie: %1</translation>
    </message>
    <message>
        <source>RETURN PER COIN OF EACH PAYLINE</source>
        <translation>MITTLERER GEWINN PRO MÜNZE JE GEWINNLINIE</translation>
    </message>
    <message>
        <source>DOUBLE PAYOFFS:</source>
        <translation>DOPPELTER GEWINN:</translation>
    </message>
    <message>
        <source>each WILD on a winning line doubles its pay: one WILD pays x2, two WILDs x4. Three WILDs pay %1 per coin.</source>
        <translation>Jedes WILD auf einer Gewinnlinie verdoppelt ihren Gewinn: Ein WILD zahlt x2, zwei WILDs x4. Drei WILDs zahlen %1 pro Münze.</translation>
    </message>
    <message>
        <source>BONUS POOL:</source>
        <translation>BONUSPOOL:</translation>
    </message>
    <message>
        <source>every WILD showing after a paid spin adds %1 credits to the pool. Each winning globe line takes one of the %2 globes; take the last one and the whole pool is yours.</source>
        <translation>Jedes WILD, das nach einer bezahlten Drehung zu sehen ist, bringt %1 Credits in den Pool. Jede Gewinnlinie aus Globen nimmt einen der %2 Globen; mit dem letzten gehört Ihnen der ganze Pool.</translation>
    </message>
    <message>
        <source>FREE SPINS:</source>
        <translation>FREISPIELE:</translation>
    </message>
    <message>
        <source>each winning dollar line takes one of the %1 dollars; take the last one for %2 FREE spins on the special wheels, paid by the table on the right.</source>
        <translation>Jede Gewinnlinie aus Dollars nimmt einen der %1 Dollars; der letzte bringt %2 FREISPIELE auf den Sonderwalzen, bezahlt nach der Tabelle rechts.</translation>
    </message>
    <message>
        <source>MYSTERY BONUS:</source>
        <translation>MYSTERY-BONUS:</translation>
    </message>
    <message>
        <source>a ? box on the centre wheel starts the chaser. Stop it to open a box worth %1, %2 or %3 times your coins per line.</source>
        <translation>Ein ?-Symbol auf der mittleren Walze startet das Lauflicht. Halten Sie es an: Das Kästchen, auf dem es steht, bringt das %1-, %2- oder %3-Fache Ihrer Münzen pro Linie.</translation>
    </message>
</context>
<context>
    <name>TArtwork</name>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation>Es fehlen BMP-Dateien, ohne die dieses Programm womöglich nicht richtig funktioniert!</translation>
    </message>
</context>
<context>
    <name>TBankNotice</name>
    <message>
        <source>The bank cannot lend you any more: 2,147,483,647 is the most your credits and your debt can reach.</source>
        <translation>Die Bank kann Ihnen nichts mehr leihen: Ihr Guthaben und Ihre Schulden können höchstens 2.147.483.647 erreichen.</translation>
    </message>
    <message>
        <source>The bank lent you only %1 credits: 2,147,483,647 is the most your credits and your debt can reach.</source>
        <translation>Die Bank hat Ihnen nur %1 Credits geliehen: Ihr Guthaben und Ihre Schulden können höchstens 2.147.483.647 erreichen.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Sie haben keine %1 Credits!</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Sie können nicht mehr Credits zurückzahlen, als Sie geliehen haben!</translation>
    </message>
</context>
<context>
    <name>TCardForm</name>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Doppelt oder nichts: Kartenspiel</translation>
    </message>
    <message>
        <source>A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.</source>
        <translation>Ein Joker zahlt 10:1, ein Ass 3:1, jede Bildkarte 2:1; eine 8-10 ist unentschieden; eine 7 kostet die Hälfte Ihres Gewinns und eine 2-6 Ihren ganzen Gewinn.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Pyramid</source>
        <translation>&amp;Pyramide</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation>Gewinn: %1</translation>
    </message>
</context>
<context>
    <name>TDoubleForm</name>
    <message>
        <source>Pyramid</source>
        <translation>Pyramide</translation>
    </message>
    <message>
        <source>Winnings:</source>
        <translation>Gewinn:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Card Game</source>
        <translation>&amp;Kartenspiel</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click a square and try to win a prize.  You can continue until you lose.</source>
        <translation>Klicken Sie auf ein Feld und versuchen Sie, einen Preis zu gewinnen. Sie können weitermachen, bis Sie verlieren.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Zorvania</source>
        <translation>Zorvania</translation>
    </message>
    <message>
        <source>About Zorva Slots</source>
        <translation>Über Zorva Slots</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 Version %2</translation>
    </message>
    <message>
        <source>Paymode is Count Off Credits</source>
        <translation>Zahlweise: Credits abzählen</translation>
    </message>
    <message>
        <source>Paymode is Instant Payoff</source>
        <translation>Zahlweise: Sofortauszahlung</translation>
    </message>
    <message>
        <source>Start a New Game?</source>
        <translation>Ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>You must spin before viewing a summary of the last spin.</source>
        <translation>Sie müssen erst drehen, bevor Sie die Übersicht über die letzte Drehung ansehen können.</translation>
    </message>
    <message>
        <source>Auto Spin Mode: On</source>
        <translation>Autostart: Ein</translation>
    </message>
    <message>
        <source>Auto Spin Mode: Off</source>
        <translation>Autostart: Aus</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the game?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Sound is On</source>
        <translation>Ton ist an</translation>
    </message>
    <message>
        <source>Sound is Off</source>
        <translation>Ton ist aus</translation>
    </message>
    <message>
        <source>Double or Nothing Game is On</source>
        <translation>Risikospiel ist an</translation>
    </message>
    <message>
        <source>Double or Nothing Game is Off</source>
        <translation>Risikospiel ist aus</translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>Auf Ihrem System wurde kein Webbrowser gefunden!</translation>
    </message>
    <message>
        <source>Do visit the Zorva Slots home page some time: open www/index.html in the game&apos;s folder with any web browser. It has the news, the manual and how to report a problem.</source>
        <translation>Besuchen Sie doch einmal die Webseite von Zorva Slots: Öffnen Sie www/de/index.html im Ordner des Spiels mit einem beliebigen Webbrowser. Dort finden Sie Neuigkeiten, das Handbuch und wie man ein Problem meldet.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Zorva Slots Help</source>
        <translation>Hilfe zu Zorva Slots</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TOptionsBar</name>
    <message>
        <source>Help?</source>
        <translation>Hilfe?</translation>
    </message>
    <message>
        <source>Pay Mode</source>
        <translation>Zahlweise</translation>
    </message>
    <message>
        <source>Pay Chart</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Leihen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>WWW Site</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>View the Zorva Slots Manual</source>
        <translation>Das Handbuch von Zorva Slots anzeigen</translation>
    </message>
    <message>
        <source>Instant Payoff or Count Off Credits</source>
        <translation>Sofortauszahlung oder Credits abzählen</translation>
    </message>
    <message>
        <source>View the Zorva Slots Payoff Chart</source>
        <translation>Den Gewinnplan von Zorva Slots anzeigen</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Credits leihen</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Summary of Last Spin</source>
        <translation>Übersicht über die letzte Drehung</translation>
    </message>
    <message>
        <source>Click to Start Auto Spin Mode</source>
        <translation>Klicken, um den Autostart einzuschalten</translation>
    </message>
    <message>
        <source>Click to Turn Sound On or Off</source>
        <translation>Klicken, um den Ton ein- oder auszuschalten</translation>
    </message>
    <message>
        <source>Visit the Zorva Slots home page: news, the manual and how to report a problem</source>
        <translation>Die Webseite von Zorva Slots besuchen: Neuigkeiten, das Handbuch und wie man ein Problem meldet</translation>
    </message>
    <message>
        <source>Click to Disable the Double or Nothing Bonus Game</source>
        <translation>Klicken, um das Risikospiel auszuschalten</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Ein Spiel speichern</translation>
    </message>
    <message>
        <source>Load a Game</source>
        <translation>Ein Spiel laden</translation>
    </message>
    <message>
        <source>View Your Zorva Slots Statistics</source>
        <translation>Ihre Statistik von Zorva Slots anzeigen</translation>
    </message>
</context>
<context>
    <name>TPanel</name>
    <message>
        <source>Credits:</source>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Bonuspool:</translation>
    </message>
    <message>
        <source>Win 3 FREE Spins:</source>
        <translation>3 FREISPIELE gewinnen:</translation>
    </message>
    <message>
        <source>Lines Played:</source>
        <translation>Linien:</translation>
    </message>
    <message>
        <source>Coins/Line:</source>
        <translation>Pro Linie:</translation>
    </message>
    <message>
        <source>Coins Played:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>Winnings:</source>
        <translation>Gewinn:</translation>
    </message>
    <message>
        <source>FREE Spins:  %1          </source>
        <translation>FREISPIELE:  %1          </translation>
    </message>
</context>
<context>
    <name>TPyramidBoard</name>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Niete</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an odd number on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer ungeraden Zahl.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an even number on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer geraden Zahl.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number less than or equal to 7 on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer Zahl kleiner oder gleich 7.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number greater than or equal to 7 on it.</source>
        <translation>Das 5X-Symbol liegt hinter einem Feld mit einer Zahl größer oder gleich 7.</translation>
    </message>
</context>
<context>
    <name>TSavedGame</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TSlotDialogRules</name>
    <message>
        <source>Name for this saved game?</source>
        <translation>Name für dieses gespeicherte Spiel?</translation>
    </message>
</context>
<context>
    <name>TSlotMachine</name>
    <message>
        <source>You must place a bet first.</source>
        <translation>Sie müssen zuerst einen Einsatz wählen.</translation>
    </message>
    <message>
        <source>You do not have enough credits for that bet,</source>
        <translation>Ihr Guthaben reicht für diesen Einsatz nicht,</translation>
    </message>
    <message>
        <source>%1 credits added to the bonus pool.</source>
        <translation>%1 Credits in den Bonuspool eingezahlt.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>Linie %1 zahlte %2.</translation>
    </message>
    <message>
        <source>Won the Bonus Pool Worth %1</source>
        <translation>Bonuspool im Wert von %1 gewonnen</translation>
    </message>
    <message>
        <source>Won %1 credit bonus.</source>
        <translation>Bonus von %1 Credits gewonnen.</translation>
    </message>
    <message>
        <source>There were no winning lines on the last spin.</source>
        <translation>Die letzte Drehung hatte keine Gewinnlinien.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorva Slots is already running, but did not answer.</source>
        <translation>Zorva Slots läuft bereits, antwortet aber nicht.</translation>
    </message>
</context>
<context>
    <name>zorva::TBorrowC</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Hier leihen Sie Credits oder zahlen sie zurück</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Credits leihen</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Credits zurückzahlen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Hier können Sie Credits leihen oder früher geliehene Credits zurückzahlen. Klicken Sie auf die Schaltfläche mit dem Betrag, den Sie leihen (oder zurückzahlen) möchten.<byte value="xd"/>
<byte value="xd"/>
Um zwischen „Leihen“ und „Zurückzahlen“ zu wechseln, wählen Sie den Modus.</translation>
    </message>
</context>
<context>
    <name>zorva::TCreditPlot</name>
    <message>
        <source>Paid spin</source>
        <translation>Bezahlte Drehung</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Geliehen</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Zurückgezahlt</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Game opened</source>
        <translation>Spiel geöffnet</translation>
    </message>
    <message>
        <source>Paid spins in this run of the game</source>
        <translation>Bezahlte Drehungen seit dem Start des Spiels</translation>
    </message>
    <message>
        <source>Credits over this run</source>
        <translation>Guthaben seit dem Start</translation>
    </message>
    <message>
        <source>No paid spins yet in this run.</source>
        <translation>Seit dem Start noch keine bezahlten Drehungen.</translation>
    </message>
</context>
<context>
    <name>zorva::TLoadSave</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Spiel speichern -- Speicherplatz wählen</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Spiel öffnen -- Speicherplatz wählen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zorva Slots</source>
        <translation>Zorva Slots</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <translation>%1 Credits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 geliehen</translation>
    </message>
</context>
<context>
    <name>zorva::TPaychart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Gewinnplan</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei kann nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>zorva::TStatsForm</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Ihre Spielstatistik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Drehungen:</translation>
    </message>
    <message>
        <source>Regular Spins:</source>
        <translation>Bezahlte Drehungen:</translation>
    </message>
    <message>
        <source>Free Spins:</source>
        <translation>Freispiele:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Geliehen:</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Einsätze gesamt:</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Auszahlungen:</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Bonuspool:</translation>
    </message>
    <message>
        <source>Double or Nothing:</source>
        <translation>Doppelt oder nichts:</translation>
    </message>
    <message>
        <source>Mystery Bonus:</source>
        <translation>Mystery-Bonus:</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Auszahlungsquote gesamt:</translation>
    </message>
    <message>
        <source>(Does not include money won/lost on the double-or-nothing game).</source>
        <translation>(Ohne die im Risikospiel gewonnenen oder verlorenen Credits.)</translation>
    </message>
    <message>
        <source>%</source>
        <comment>the percent sign after the payoff percentage, with any space the language puts before it</comment>
        <translation>&#xa0;%</translation>
    </message>
</context>
</TS>
