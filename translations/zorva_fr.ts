<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Credits: %1; Borrowed: %2</source>
        <translation>Crédits : %1 ; emprunté : %2</translation>
    </message>
    <message>
        <source>%1 credits</source>
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>Credits over this run</source>
        <translation>Crédits depuis le lancement</translation>
    </message>
    <message>
        <source>Started at %1 credits, now %2; lowest %3, highest %4; %5 paid spins.</source>
        <translation>Départ à %1 crédits, maintenant %2 ; au plus bas %3, au plus haut %4 ; %5 tours payants.</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Emplacement %1</translation>
    </message>
    <message>
        <source>OK, slot %1</source>
        <translation>OK, emplacement %1</translation>
    </message>
    <message>
        <source>Name of slot %1</source>
        <translation>Nom de l'emplacement %1</translation>
    </message>
    <message>
        <source>Payoffs, %1</source>
        <translation>Paiements, %1</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Square %1: %2</source>
        <translation>Case %1 : %2</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
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
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>card %1, face down</source>
        <translation>carte %1, face cachée</translation>
    </message>
    <message>
        <source>card %1, Joker</source>
        <translation>carte %1, Joker</translation>
    </message>
    <message>
        <source>card %1, %2 of %3</source>
        <translation>carte %1, %2 de %3</translation>
    </message>
    <message>
        <source>Tab to the cards, move with the arrow keys, and press Space to turn one.</source>
        <translation>Tab pour aller aux cartes, les flèches pour se déplacer, Espace pour en retourner une.</translation>
    </message>
    <message>
        <source>You won %1.</source>
        <translation>Vous avez gagné %1.</translation>
    </message>
    <message>
        <source>Winnings at stake: %1.</source>
        <translation>Gains en jeu : %1.</translation>
    </message>
    <message>
        <source>%1. You lost %2.</source>
        <translation>%1. Vous avez perdu %2.</translation>
    </message>
    <message>
        <source>%1. Winnings: %2.</source>
        <translation>%1. Gains : %2.</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation>Gains : %1</translation>
    </message>
    <message>
        <source>Tab to the squares, move with the arrow keys, and press Space to turn one.</source>
        <translation>Tab pour aller aux cases, les flèches pour se déplacer, Espace pour en retourner une.</translation>
    </message>
    <message>
        <source>Zorva Slots. Enter spins, Space stops, Tab moves to the other controls.</source>
        <translation>Zorva Slots. Entrée lance les rouleaux, Espace les arrête, Tab passe aux autres commandes.</translation>
    </message>
    <message>
        <source>%1: on.</source>
        <translation>%1 : activé.</translation>
    </message>
    <message>
        <source>%1: off.</source>
        <translation>%1 : désactivé.</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globe</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Dollar</source>
        <translation>Dollar</translation>
    </message>
    <message>
        <source>Cherries</source>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planète</translation>
    </message>
    <message>
        <source>Comet</source>
        <translation>Comète</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mystery</source>
        <translation>Mystère</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Credits: %1</source>
        <translation>Crédits : %1</translation>
    </message>
    <message>
        <source>Bonus Pool: %1 credits; globes still needed: %2</source>
        <translation>Cagnotte : %1 crédits ; globes encore nécessaires : %2</translation>
    </message>
    <message>
        <source>Win 3 FREE Spins: dollars still needed: %1</source>
        <translation>3 TOURS GRATUITS : dollars encore nécessaires : %1</translation>
    </message>
    <message>
        <source>Lines Played: %1</source>
        <translation>Lignes : %1</translation>
    </message>
    <message>
        <source>Coins per Line: %1</source>
        <translation>Pièces par ligne : %1</translation>
    </message>
    <message>
        <source>Coins Played: %1</source>
        <translation>Mise : %1</translation>
    </message>
    <message>
        <source>Wheels: spinning</source>
        <translation>Rouleaux : en rotation</translation>
    </message>
    <message>
        <source>Wheels: top row %1, %2, %3; middle row %4, %5, %6; bottom row %7, %8, %9</source>
        <translation>Rouleaux : rangée du haut %1, %2, %3 ; rangée du milieu %4, %5, %6 ; rangée du bas %7, %8, %9</translation>
    </message>
    <message>
        <source>Mystery Bonus: the chaser is on box %1; press Stop to take its prize</source>
        <translation>Bonus mystère : le chenillard est sur la boîte %1 ; appuyez sur Stop pour prendre son prix</translation>
    </message>
    <message>
        <source>Mystery Bonus: box %1 won %2 credits; the boxes held %3</source>
        <translation>Bonus mystère : la boîte %1 a gagné %2 crédits ; les boîtes contenaient %3</translation>
    </message>
    <message>
        <source>Mystery Bonus: eight boxes; a Mystery symbol on the centre wheel starts the chaser</source>
        <translation>Bonus mystère : huit boîtes ; un symbole Mystère sur le rouleau central lance le chenillard</translation>
    </message>
    <message>
        <source>Free spin.</source>
        <translation>Tour gratuit.</translation>
    </message>
    <message>
        <source>Winnings: %1.</source>
        <translation>Gains : %1.</translation>
    </message>
    <message>
        <source>Won %1 free spins.</source>
        <translation>%1 tours gratuits gagnés.</translation>
    </message>
    <message>
        <source>Count-off finished. Credits: %1.</source>
        <translation>Décompte terminé. Crédits : %1.</translation>
    </message>
    <message>
        <source>Free spins start: %1 free spins.</source>
        <translation>Les tours gratuits commencent : %1 tours gratuits.</translation>
    </message>
    <message>
        <source>Free spins are over. They paid %1 credits.</source>
        <translation>Les tours gratuits sont terminés. Ils ont payé %1 crédits.</translation>
    </message>
    <message>
        <source>Mystery Bonus! The chaser is running: press Stop to take the prize of the lit box.</source>
        <translation>Bonus mystère ! Le chenillard tourne : appuyez sur Stop pour prendre le prix de la boîte allumée.</translation>
    </message>
    <message>
        <source>Won %1 credit bonus.</source>
        <translation>Bonus de %1 crédits gagné.</translation>
    </message>
    <message>
        <source>Credits: %1.</source>
        <translation>Crédits : %1.</translation>
    </message>
    <message>
        <source>The bet cannot change during a spin.</source>
        <translation>La mise ne peut pas changer pendant un tour.</translation>
    </message>
    <message>
        <source>%1, the least.</source>
        <translation>%1, au minimum.</translation>
    </message>
    <message>
        <source>%1, the most.</source>
        <translation>%1, au maximum.</translation>
    </message>
    <message>
        <source>Lines plus</source>
        <translation>Lignes plus</translation>
    </message>
    <message>
        <source>Play one more line</source>
        <translation>Jouer une ligne de plus</translation>
    </message>
    <message>
        <source>Lines minus</source>
        <translation>Lignes moins</translation>
    </message>
    <message>
        <source>Play one line fewer</source>
        <translation>Jouer une ligne de moins</translation>
    </message>
    <message>
        <source>Coins plus</source>
        <translation>Pièces plus</translation>
    </message>
    <message>
        <source>Bet one more coin on each line</source>
        <translation>Miser une pièce de plus sur chaque ligne</translation>
    </message>
    <message>
        <source>Coins minus</source>
        <translation>Pièces moins</translation>
    </message>
    <message>
        <source>Bet one coin fewer on each line</source>
        <translation>Miser une pièce de moins sur chaque ligne</translation>
    </message>
    <message>
        <source>Free spins left: %1</source>
        <translation>Tours gratuits restants : %1</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>Spin the wheels</source>
        <translation>Lancer les rouleaux</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stop the wheels, or the Mystery Bonus chaser</source>
        <translation>Arrêter les rouleaux, ou le chenillard du Bonus mystère</translation>
    </message>
    <message>
        <source>What the machine just did</source>
        <translation>Ce que la machine vient de faire</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Lien : %1</translation>
    </message>
</context>
<context>
    <name>Paychart</name>
    <message>
        <source>ZORVA SLOTS  PAYOFF CHART</source>
        <translation>ZORVA SLOTS  TABLEAU DES GAINS</translation>
    </message>
    <message>
        <source>PAYS PER COIN</source>
        <translation>GAIN PAR PIÈCE</translation>
    </message>
    <message>
        <source>FREE SPINS PAY PER COIN</source>
        <translation>TOURS GRATUITS : GAIN PAR PIÈCE</translation>
    </message>
    <message>
        <source>or WILD</source>
        <translation>ou WILD</translation>
    </message>
    <message>
        <source>any mix</source>
        <translation>mélange</translation>
    </message>
    <message>
        <source>Return per coin on every free-spin line: %1</source>
        <translation>Gain moyen par pièce et ligne gratuite : %1</translation>
    </message>
    <message>
        <source>RETURN PER COIN OF EACH PAYLINE</source>
        <translation>GAIN MOYEN PAR PIÈCE DE CHAQUE LIGNE</translation>
    </message>
    <message>
        <source>DOUBLE PAYOFFS:</source>
        <translation>GAINS DOUBLÉS :</translation>
    </message>
    <message>
        <source>each WILD on a winning line doubles its pay: one WILD pays x2, two WILDs x4. Three WILDs pay %1 per coin.</source>
        <translation>chaque WILD sur une ligne gagnante double son gain : un WILD paie x2, deux WILD x4. Trois WILD paient %1 par pièce.</translation>
    </message>
    <message>
        <source>BONUS POOL:</source>
        <translation>CAGNOTTE :</translation>
    </message>
    <message>
        <source>every WILD showing after a paid spin adds %1 credits to the pool. Each winning globe line takes one of the %2 globes; take the last one and the whole pool is yours.</source>
        <translation>chaque WILD visible après un tour payant ajoute %1 crédits à la cagnotte. Chaque ligne gagnante de globes prend un des %2 globes ; prenez le dernier et toute la cagnotte est à vous.</translation>
    </message>
    <message>
        <source>FREE SPINS:</source>
        <translation>TOURS GRATUITS :</translation>
    </message>
    <message>
        <source>each winning dollar line takes one of the %1 dollars; take the last one for %2 FREE spins on the special wheels, paid by the table on the right.</source>
        <translation>chaque ligne gagnante de dollars prend un des %1 dollars ; prenez le dernier pour %2 TOURS GRATUITS sur les rouleaux spéciaux, payés selon le tableau de droite.</translation>
    </message>
    <message>
        <source>MYSTERY BONUS:</source>
        <translation>BONUS MYSTÈRE :</translation>
    </message>
    <message>
        <source>a ? box on the centre wheel starts the chaser. Stop it to open a box worth %1, %2 or %3 times your coins per line.</source>
        <translation>un symbole ? sur le rouleau central lance le chenillard. Arrêtez-le : la boîte où il s’arrête vaut %1, %2 ou %3 fois vos pièces par ligne.</translation>
    </message>
</context>
<context>
    <name>TArtwork</name>
    <message>
        <source>There are BMP files missing which may cause this program to not function properly!</source>
        <translation>Des fichiers BMP manquent, ce qui peut empêcher ce programme de fonctionner correctement !</translation>
    </message>
</context>
<context>
    <name>TBankNotice</name>
    <message>
        <source>The bank cannot lend you any more: 2,147,483,647 is the most your credits and your debt can reach.</source>
        <translation>La banque ne peut plus rien vous prêter : vos crédits et votre dette ne peuvent dépasser 2 147 483 647.</translation>
    </message>
    <message>
        <source>The bank lent you only %1 credits: 2,147,483,647 is the most your credits and your debt can reach.</source>
        <translation>La banque ne vous a prêté que %1 crédits : vos crédits et votre dette ne peuvent dépasser 2 147 483 647.</translation>
    </message>
    <message>
        <source>You do not have %1 credits!</source>
        <translation>Vous n’avez pas %1 crédits !</translation>
    </message>
    <message>
        <source>You cannot pay back more credits than you have borrowed!</source>
        <translation>Vous ne pouvez pas rembourser plus de crédits que vous n’en avez emprunté !</translation>
    </message>
</context>
<context>
    <name>TCardForm</name>
    <message>
        <source>Double or Nothing Card Game</source>
        <translation>Quitte ou double : jeu de cartes</translation>
    </message>
    <message>
        <source>A Joker Pays 10-1; an Aces Pays 3-1; any Face Card Pays 2-1; an 8-10 is a Push; a 7 Loses Half Your Winnings; and a 2-6 Loses All Your Winnings.</source>
        <translation>Un Joker paie 10 contre 1 ; un As 3 contre 1 ; une figure 2 contre 1 ; un 8 à 10 est nul ; un 7 vous fait perdre la moitié de vos gains ; un 2 à 6 vous fait perdre tous vos gains.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Pyramid</source>
        <translation>&amp;Pyramide</translation>
    </message>
    <message>
        <source>Winnings: %1</source>
        <translation>Gains : %1</translation>
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
        <translation>Gains :</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Card Game</source>
        <translation>&amp;Jeu de cartes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Click a square and try to win a prize.  You can continue until you lose.</source>
        <translation>Cliquez sur une case et tentez de gagner un prix. Vous pouvez continuer jusqu’à ce que vous perdiez.</translation>
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
        <translation>À propos de Zorva Slots</translation>
    </message>
    <message>
        <source>%1 Version %2</source>
        <translation>%1 version %2</translation>
    </message>
    <message>
        <source>Paymode is Count Off Credits</source>
        <translation>Paiement : décompte des crédits</translation>
    </message>
    <message>
        <source>Paymode is Instant Payoff</source>
        <translation>Paiement : paiement immédiat</translation>
    </message>
    <message>
        <source>Start a New Game?</source>
        <translation>Commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>You must spin before viewing a summary of the last spin.</source>
        <translation>Vous devez jouer un tour avant de voir le résumé du dernier tour.</translation>
    </message>
    <message>
        <source>Auto Spin Mode: On</source>
        <translation>Rotation automatique : activée</translation>
    </message>
    <message>
        <source>Auto Spin Mode: Off</source>
        <translation>Rotation automatique : désactivée</translation>
    </message>
    <message>
        <source>Are you sure you want to exit the game?</source>
        <translation>Voulez-vous vraiment quitter le jeu ?</translation>
    </message>
    <message>
        <source>Sound is On</source>
        <translation>Le son est activé</translation>
    </message>
    <message>
        <source>Sound is Off</source>
        <translation>Le son est désactivé</translation>
    </message>
    <message>
        <source>Double or Nothing Game is On</source>
        <translation>Quitte ou double est activé</translation>
    </message>
    <message>
        <source>Double or Nothing Game is Off</source>
        <translation>Quitte ou double est désactivé</translation>
    </message>
    <message>
        <source>Could not find a web browser on your system!</source>
        <translation>Aucun navigateur web n’a été trouvé sur votre système !</translation>
    </message>
    <message>
        <source>Do visit the Zorva Slots home page some time: open www/index.html in the game&apos;s folder with any web browser. It has the news, the manual and how to report a problem.</source>
        <translation>Visitez un jour la page d’accueil de Zorva Slots : ouvrez www/fr/index.html dans le dossier du jeu avec n’importe quel navigateur web. Vous y trouverez les nouvelles, le manuel et comment signaler un problème.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Zorva Slots Help</source>
        <translation>Aide de Zorva Slots</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>TOptionsBar</name>
    <message>
        <source>Help?</source>
        <translation>Aide ?</translation>
    </message>
    <message>
        <source>Pay Mode</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Pay Chart</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Borrow</source>
        <translation>Emprunt</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Auto Spin</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>WWW Site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>View the Zorva Slots Manual</source>
        <translation>Voir le manuel de Zorva Slots</translation>
    </message>
    <message>
        <source>Instant Payoff or Count Off Credits</source>
        <translation>Paiement immédiat ou décompte des crédits</translation>
    </message>
    <message>
        <source>View the Zorva Slots Payoff Chart</source>
        <translation>Voir le tableau des gains de Zorva Slots</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Emprunter des crédits</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Summary of Last Spin</source>
        <translation>Résumé du dernier tour</translation>
    </message>
    <message>
        <source>Click to Start Auto Spin Mode</source>
        <translation>Cliquez pour lancer la rotation automatique</translation>
    </message>
    <message>
        <source>Click to Turn Sound On or Off</source>
        <translation>Cliquez pour activer ou couper le son</translation>
    </message>
    <message>
        <source>Visit the Zorva Slots home page: news, the manual and how to report a problem</source>
        <translation>Visiter la page d’accueil de Zorva Slots : nouvelles, manuel et signalement des problèmes</translation>
    </message>
    <message>
        <source>Click to Disable the Double or Nothing Bonus Game</source>
        <translation>Cliquez pour désactiver le jeu Quitte ou double</translation>
    </message>
    <message>
        <source>Save a Game</source>
        <translation>Sauvegarder une partie</translation>
    </message>
    <message>
        <source>Load a Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>View Your Zorva Slots Statistics</source>
        <translation>Voir vos statistiques de Zorva Slots</translation>
    </message>
</context>
<context>
    <name>TPanel</name>
    <message>
        <source>Credits:</source>
        <translation>Crédits :</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Cagnotte :</translation>
    </message>
    <message>
        <source>Win 3 FREE Spins:</source>
        <translation>3 TOURS GRATUITS :</translation>
    </message>
    <message>
        <source>Lines Played:</source>
        <translation>Lignes :</translation>
    </message>
    <message>
        <source>Coins/Line:</source>
        <translation>Par ligne :</translation>
    </message>
    <message>
        <source>Coins Played:</source>
        <translation>Mise :</translation>
    </message>
    <message>
        <source>FREE Spins:  %1          </source>
        <translation>TOURS GRATUITS :  %1          </translation>
    </message>
    <message>
        <source>Winnings:</source>
        <translation>Gains :</translation>
    </message>
</context>
<context>
    <name>TPyramidBoard</name>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayez</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an odd number on it.</source>
        <translation>Le symbole 5X est derrière une case au numéro impair.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with an even number on it.</source>
        <translation>Le symbole 5X est derrière une case au numéro pair.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number less than or equal to 7 on it.</source>
        <translation>Le symbole 5X est derrière une case au numéro inférieur ou égal à 7.</translation>
    </message>
    <message>
        <source>The 5X symbol is behind a square with a number greater than or equal to 7 on it.</source>
        <translation>Le symbole 5X est derrière une case au numéro supérieur ou égal à 7.</translation>
    </message>
</context>
<context>
    <name>TSavedGame</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
</context>
<context>
    <name>TSlotDialogRules</name>
    <message>
        <source>Name for this saved game?</source>
        <translation>Nom de cette partie sauvegardée ?</translation>
    </message>
</context>
<context>
    <name>TSlotMachine</name>
    <message>
        <source>You must place a bet first.</source>
        <translation>Vous devez d’abord placer une mise.</translation>
    </message>
    <message>
        <source>You do not have enough credits for that bet,</source>
        <translation>Vous n’avez pas assez de crédits pour cette mise,</translation>
    </message>
    <message>
        <source>%1 credits added to the bonus pool.</source>
        <translation>%1 crédits ajoutés à la cagnotte.</translation>
    </message>
    <message>
        <source>Line %1 paid %2.</source>
        <translation>La ligne %1 a payé %2.</translation>
    </message>
    <message>
        <source>Won the Bonus Pool Worth %1</source>
        <translation>Cagnotte gagnée, d’une valeur de %1</translation>
    </message>
    <message>
        <source>Won %1 credit bonus.</source>
        <translation>Bonus de %1 crédits gagné.</translation>
    </message>
    <message>
        <source>There were no winning lines on the last spin.</source>
        <translation>Il n’y a eu aucune ligne gagnante au dernier tour.</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zorva Slots is already running, but did not answer.</source>
        <translation>Zorva Slots est déjà lancé, mais ne répond pas.</translation>
    </message>
</context>
<context>
    <name>zorva::TBorrowC</name>
    <message>
        <source>Use this form to borrow or pay back credits</source>
        <translation>Ce formulaire sert à emprunter ou rembourser des crédits</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>Borrow Credits</source>
        <translation>Emprunter des crédits</translation>
    </message>
    <message>
        <source>Pay Back Credits</source>
        <translation>Rembourser des crédits</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits :</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Emprunté :</translation>
    </message>
    <message>
        <source>Use this screen to borrow credits or pay back credits that you borrowed previously.  Click on the button representing the amount to borrow (or pay back).<byte value="xd"/>
<byte value="xd"/>
To switch between &quot;borrow&quot; and &quot;pay back&quot; select the mode.</source>
        <translation>Cet écran sert à emprunter des crédits ou à rembourser ceux que vous avez empruntés. Cliquez sur le bouton du montant à emprunter (ou à rembourser).<byte value="xd"/>
<byte value="xd"/>
Pour passer de « emprunter » à « rembourser », choisissez le mode.</translation>
    </message>
</context>
<context>
    <name>zorva::TCreditPlot</name>
    <message>
        <source>Paid spin</source>
        <translation>Tour payant</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Emprunt</translation>
    </message>
    <message>
        <source>Paid back</source>
        <translation>Remboursement</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Game opened</source>
        <translation>Partie ouverte</translation>
    </message>
    <message>
        <source>Paid spins in this run of the game</source>
        <translation>Tours payants depuis le lancement du jeu</translation>
    </message>
    <message>
        <source>Credits over this run</source>
        <translation>Crédits depuis le lancement</translation>
    </message>
    <message>
        <source>No paid spins yet in this run.</source>
        <translation>Aucun tour payant depuis le lancement.</translation>
    </message>
</context>
<context>
    <name>zorva::TLoadSave</name>
    <message>
        <source>Save a Game -- Select Game Slot</source>
        <translation>Sauvegarder une partie -- Choisir un emplacement</translation>
    </message>
    <message>
        <source>Open a Game -- Select Game Slot</source>
        <translation>Ouvrir une partie -- Choisir un emplacement</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
        <translation>%1 crédits</translation>
    </message>
    <message>
        <source>%1 Borrowed</source>
        <translation>%1 emprunté</translation>
    </message>
</context>
<context>
    <name>zorva::TPaychart</name>
    <message>
        <source>Payoff Chart</source>
        <translation>Tableau des gains</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d’ouvrir le fichier %1</translation>
    </message>
</context>
<context>
    <name>zorva::TStatsForm</name>
    <message>
        <source>Your Game Statistics</source>
        <translation>Vos statistiques de jeu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Spins:</source>
        <translation>Tours :</translation>
    </message>
    <message>
        <source>Regular Spins:</source>
        <translation>Tours payants :</translation>
    </message>
    <message>
        <source>Free Spins:</source>
        <translation>Tours gratuits :</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits :</translation>
    </message>
    <message>
        <source>Borrowed:</source>
        <translation>Emprunté :</translation>
    </message>
    <message>
        <source>Total Bets:</source>
        <translation>Total des mises :</translation>
    </message>
    <message>
        <source>Payoffs:</source>
        <translation>Paiements :</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal :</translation>
    </message>
    <message>
        <source>Bonus Pool:</source>
        <translation>Cagnotte :</translation>
    </message>
    <message>
        <source>Double or Nothing:</source>
        <translation>Quitte ou double :</translation>
    </message>
    <message>
        <source>Mystery Bonus:</source>
        <translation>Bonus mystère :</translation>
    </message>
    <message>
        <source>Overall Payoff Percentage:</source>
        <translation>Taux de redistribution global :</translation>
    </message>
    <message>
        <source>%</source>
        <comment>the percent sign after the payoff percentage, with any space the language puts before it</comment>
        <translation> %</translation>
    </message>
    <message>
        <source>(Does not include money won/lost on the double-or-nothing game).</source>
        <translation>(Sans les crédits gagnés ou perdus au jeu Quitte ou double.)</translation>
    </message>
</context>
</TS>
