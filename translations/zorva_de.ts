<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Gewinnplan</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Leihen</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
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
        <translation>Münzen/Linie:</translation>
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
</context>
</TS>
