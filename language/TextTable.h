// Every text a user sees, one row each: its name, then English and the ten translations in
// the order of language::Language (en, de, fr, es, it, pt-BR, nl, pl, ru, ja, zh-CN).
// '&' marks an access key; "{}" stands for what the program puts in. Adding a text is adding
// a row here: the compiler refuses a row with a column missing, and a test an empty column.
// No include guard: Texts.h and Texts.cpp read the rows with their own KEYSTEAD_TEXT (and
// include product/Product.h, whose name the texts use).

#define KEYSTEAD_NAME KEYSTEAD_PRODUCT_NAME

// The settings window.
KEYSTEAD_TEXT(CapsLockLabel, "&Caps Lock:", "&Feststelltaste:", "Verr. &Maj :", "Bloq &Mayús:",
              "Bloc &Maiusc:", "&Caps Lock:", "&Caps Lock:", "&Caps Lock:", "&Caps Lock:",
              "Caps Lock(&C):", "Caps Lock(&C):")
KEYSTEAD_TEXT(NumLockLabel,
              "&Num Lock:", "&Num-Taste:", "Verr. &Num :", "Bloq &Num:", "Bloc &Num:", "&Num Lock:",
              "&Num Lock:", "&Num Lock:", "&Num Lock:", "Num Lock(&N):", "Num Lock(&N):")
KEYSTEAD_TEXT(ScrollLockLabel, "&Scroll Lock:", "&Rollen-Taste:", "Arrêt dé&fil :", "Bloq &Despl:",
              "Bloc &Scorr:", "&Scroll Lock:", "&Scroll Lock:", "&Scroll Lock:", "&Scroll Lock:",
              "Scroll Lock(&S):", "Scroll Lock(&S):")
KEYSTEAD_TEXT(ForceOff, "Force off", "Immer aus", "Toujours désactivé", "Siempre desactivado",
              "Sempre disattivato", "Sempre desligado", "Altijd uit", "Wymuś wyłączenie",
              "Всегда выкл.", "常にオフ", "强制关闭")
KEYSTEAD_TEXT(ForceOn, "Force on", "Immer ein", "Toujours activé", "Siempre activado",
              "Sempre attivato", "Sempre ligado", "Altijd aan", "Wymuś włączenie", "Всегда вкл.",
              "常にオン", "强制打开")
KEYSTEAD_TEXT(AllowToggling, "Allow toggling", "Umschalten erlauben", "Basculement libre",
              "Permitir alternar", "Consenti commutazione", "Permitir alternar",
              "Wisselen toestaan", "Zezwalaj na przełączanie", "Разрешить переключение",
              "切り替えを許可", "允许切换")
KEYSTEAD_TEXT(IntervalLabel, "Check &interval:", "Prüf&intervall:", "&Intervalle de vérification :",
              "&Intervalo de comprobación:", "&Intervallo di controllo:",
              "&Intervalo de verificação:", "Controle-&interval:", "&Interwał sprawdzania:",
              "&Интервал проверки:", "チェック間隔(&I):", "检查间隔(&I):")
// What a screen reader says for the interval's box.
KEYSTEAD_TEXT(IntervalName, "Check interval", "Prüfintervall", "Intervalle de vérification",
              "Intervalo de comprobación", "Intervallo di controllo", "Intervalo de verificação",
              "Controle-interval", "Interwał sprawdzania", "Интервал проверки", "チェック間隔",
              "检查间隔")
KEYSTEAD_TEXT(Milliseconds, "milliseconds", "Millisekunden", "millisecondes", "milisegundos",
              "millisecondi", "milissegundos", "milliseconden", "milisekund", "миллисекунд",
              "ミリ秒", "毫秒")
KEYSTEAD_TEXT(AutoRun, "Launch " KEYSTEAD_NAME " on Windows s&tart-up",
              KEYSTEAD_NAME " beim &Windows-Start ausführen",
              "Lancer " KEYSTEAD_NAME " au démarrage de &Windows",
              "Iniciar " KEYSTEAD_NAME " al arrancar &Windows",
              "Avvia " KEYSTEAD_NAME " all'avvio di &Windows",
              "Iniciar o " KEYSTEAD_NAME " com o &Windows", KEYSTEAD_NAME " starten met &Windows",
              "Uruchamiaj " KEYSTEAD_NAME " przy starcie systemu &Windows",
              "Запускать " KEYSTEAD_NAME " при &входе в Windows",
              "Windows の起動時に " KEYSTEAD_NAME " を起動する(&T)",
              "Windows 启动时运行 " KEYSTEAD_NAME "(&T)")
// What a screen reader says for the start-up box.
KEYSTEAD_TEXT(AutoRunName, "Launch " KEYSTEAD_NAME " on Windows start-up",
              KEYSTEAD_NAME " beim Windows-Start ausführen",
              "Lancer " KEYSTEAD_NAME " au démarrage de Windows",
              "Iniciar " KEYSTEAD_NAME " al arrancar Windows",
              "Avvia " KEYSTEAD_NAME " all'avvio di Windows",
              "Iniciar o " KEYSTEAD_NAME " com o Windows", KEYSTEAD_NAME " starten met Windows",
              "Uruchamiaj " KEYSTEAD_NAME " przy starcie systemu Windows",
              "Запускать " KEYSTEAD_NAME " при входе в Windows",
              "Windows の起動時に " KEYSTEAD_NAME " を起動する",
              "Windows 启动时运行 " KEYSTEAD_NAME)
KEYSTEAD_TEXT(OK, "&OK", "&OK", "&OK", "&Aceptar", "&OK", "&OK", "&OK", "&OK", "ОК", "OK", "确定")
KEYSTEAD_TEXT(Cancel, "Cancel", "Abbrechen", "Annuler", "Cancelar", "Annulla", "Cancelar",
              "Annuleren", "Anuluj", "Отмена", "キャンセル", "取消")
KEYSTEAD_TEXT(Apply, "&Apply", "Ü&bernehmen", "&Appliquer", "A&plicar", "&Applica", "&Aplicar",
              "&Toepassen", "&Zastosuj", "&Применить", "適用(&A)", "应用(&A)")
KEYSTEAD_TEXT(Suspend, "Susp&end", "Aus&setzen", "&Suspendre", "&Suspender", "Sos&pendi",
              "Susp&ender", "Onder&breken", "Ws&trzymaj", "При&остановить", "一時停止(&E)",
              "暂停(&E)")
KEYSTEAD_TEXT(Resume, "R&esume", "Fort&setzen", "&Reprendre", "&Reanudar", "&Riprendi", "R&etomar",
              "Her&vatten", "&Kontynuuj", "Пр&одолжить", "再開(&E)", "继续(&E)")
KEYSTEAD_TEXT(Donate, "&Donate", "Spen&den", "Faire un &don", "D&onar", "&Dona", "&Doar",
              "&Doneren", "&Darowizna", "Пож&ертвовать", "寄付(&D)", "捐赠(&D)")
KEYSTEAD_TEXT(Help, "&Help", "&Hilfe", "Aid&e", "Ay&uda", "&Guida", "A&juda", "&Help", "&Pomoc",
              "Справ&ка", "ヘルプ(&H)", "帮助(&H)")
KEYSTEAD_TEXT(TrayCommands, "Tray icon commands", "Befehle des Infobereichsymbols",
              "Commandes de l'icône de notification", "Comandos del icono de la bandeja",
              "Comandi dell'icona di notifica", "Comandos do ícone da bandeja",
              "Opdrachten van het systeemvakpictogram", "Polecenia ikony w zasobniku",
              "Команды значка в области уведомлений", "トレイ アイコンのコマンド", "托盘图标命令")
KEYSTEAD_TEXT(TrayDoubleLeft, "Double-left-click: Settings", "Doppelklick links: Einstellungen",
              "Double-clic gauche : Paramètres", "Doble clic izquierdo: Configuración",
              "Doppio clic sinistro: Impostazioni", "Clique duplo esquerdo: Configurações",
              "Links dubbelklikken: Instellingen", "Dwuklik lewym: Ustawienia",
              "Двойной щелчок левой: Параметры", "左ダブルクリック: 設定", "左键双击: 设置")
KEYSTEAD_TEXT(TrayRight, "Right-click: Suspend/Resume", "Rechtsklick: Aussetzen/Fortsetzen",
              "Clic droit : Suspendre/Reprendre", "Clic derecho: Suspender/Reanudar",
              "Clic destro: Sospendi/Riprendi", "Clique direito: Suspender/Retomar",
              "Rechtsklikken: Onderbreken/Hervatten", "Prawy klik: Wstrzymaj/Kontynuuj",
              "Щелчок правой: Приостановить/Продолжить", "右クリック: 一時停止/再開",
              "右键单击: 暂停/继续")
KEYSTEAD_TEXT(TrayDoubleRight, "Double-right-click: Exit", "Doppelklick rechts: Beenden",
              "Double-clic droit : Quitter", "Doble clic derecho: Salir",
              "Doppio clic destro: Esci", "Clique duplo direito: Sair",
              "Rechts dubbelklikken: Afsluiten", "Dwuklik prawym: Zakończ",
              "Двойной щелчок правой: Выход", "右ダブルクリック: 終了", "右键双击: 退出")
// Below the start-up box while an administrator fixes any setting.
KEYSTEAD_TEXT(PolicyNote, "Greyed settings are set by your administrator.",
              "Grau dargestellte Einstellungen legt Ihr Administrator fest.",
              "Les paramètres grisés sont définis par votre administrateur.",
              "La configuración atenuada la establece el administrador.",
              "Le impostazioni in grigio sono definite dall'amministratore.",
              "As configurações esmaecidas são definidas pelo administrador.",
              "Grijze instellingen worden door uw beheerder bepaald.",
              "Wyszarzone ustawienia określa administrator.",
              "Серые параметры задаются администратором.", "灰色の設定は管理者が設定しています。",
              "灰显的设置由管理员设置。")
// Instead, when only a machine-wide registration this user may not change fixes the box.
KEYSTEAD_TEXT(MachineStartUpNote, "Start-up for all users is set by your administrator.",
              "Den Autostart für alle Benutzer legt Ihr Administrator fest.",
              "Le démarrage pour tous les utilisateurs est défini par votre administrateur.",
              "El inicio para todos los usuarios lo establece el administrador.",
              "L'avvio per tutti gli utenti è definito dall'amministratore.",
              "A inicialização para todos os usuários é definida pelo administrador.",
              "Opstarten voor alle gebruikers wordt door uw beheerder bepaald.",
              "Autostart dla wszystkich użytkowników określa administrator.",
              "Автозапуск для всех пользователей задаётся администратором.",
              "すべてのユーザーのスタートアップは管理者が設定しています。",
              "所有用户的启动设置由管理员设置。")

// The lock-key display window, and the command that opens it from the settings window's
// system menu and the tray icon's menu. The title is never the product's name alone: that
// is the settings window's.
KEYSTEAD_TEXT(DisplayTitle, "Lock key display - " KEYSTEAD_NAME,
              "Sperrtastenanzeige - " KEYSTEAD_NAME,
              "Affichage des touches de verrouillage - " KEYSTEAD_NAME,
              "Visualización de teclas de bloqueo - " KEYSTEAD_NAME,
              "Visualizzazione tasti di blocco - " KEYSTEAD_NAME,
              "Visualização das teclas de bloqueio - " KEYSTEAD_NAME,
              "Weergave van vergrendeltoetsen - " KEYSTEAD_NAME,
              "Wyświetlanie klawiszy blokady - " KEYSTEAD_NAME,
              "Индикация клавиш блокировки - " KEYSTEAD_NAME, "ロック キーの表示 - " KEYSTEAD_NAME,
              "锁定键显示 - " KEYSTEAD_NAME)
KEYSTEAD_TEXT(DisplayCommand, "Lock key &display...", "Sperrtasten&anzeige...",
              "Affic&hage des touches de verrouillage...", "&Visualización de teclas de bloqueo...",
              "&Visualizzazione tasti di blocco...", "&Visualização das teclas de bloqueio...",
              "&Weergave van vergrendeltoetsen...", "Wyświetlanie klawiszy &blokady...",
              "&Индикация клавиш блокировки...", "ロック キーの表示(&D)...", "锁定键显示(&D)...")
KEYSTEAD_TEXT(ShowKeys, "&Show the lock keys in the tray icon",
              "Sperrtasten im Infobereichsymbol &zeigen",
              "Afficher les touches de verrouillage dans l'&icône",
              "&Mostrar las teclas de bloqueo en el icono de la bandeja",
              "&Mostra i tasti di blocco nell'icona di notifica",
              "&Mostrar as teclas de bloqueio no ícone da bandeja",
              "&Vergrendeltoetsen tonen in het systeemvakpictogram",
              "Pokazuj klawisze blokady w &ikonie w zasobniku",
              "Показывать клавиши &блокировки в значке уведомлений",
              "通知領域のアイコンにロック キーを表示する(&S)", "在通知区域图标中显示锁定键(&S)")
KEYSTEAD_TEXT(CapsLockNotes, "&Caps Lock notes:", "Hinweise zur &Feststelltaste:",
              "Notes de Verr. &Maj :", "Notas de Bloq Ma&yús:", "Note di Bloc Mai&usc:",
              "Avisos do &Caps Lock:", "Meldingen voor &Caps Lock:", "Powiadomienia &Caps Lock:",
              "Уведомления &Caps Lock:", "Caps Lock の通知(&C):", "Caps Lock 通知(&C):")
KEYSTEAD_TEXT(NumLockNotes, "&Num Lock notes:", "Hinweise zur &Num-Taste:", "Notes de Verr. &Num :",
              "Notas de Bloq N&um:", "Note di Bloc &Num:", "Avisos do &Num Lock:",
              "Meldingen voor &Num Lock:", "Powiadomienia &Num Lock:", "Уведомления &Num Lock:",
              "Num Lock の通知(&N):", "Num Lock 通知(&N):")
KEYSTEAD_TEXT(ScrollLockNotes,
              "Sc&roll Lock notes:", "Hinweise zur &Rollen-Taste:", "Notes d'A&rrêt défil :",
              "Notas de Bloq &Despl:", "Note di Bloc &Scorr:", "Avisos do Sc&roll Lock:",
              "Meldingen voor Sc&roll Lock:", "Powiadomienia Sc&roll Lock:",
              "Уведомления Sc&roll Lock:", "Scroll Lock の通知(&R):", "Scroll Lock 通知(&R):")
// The note buttons, by NoteMode.
KEYSTEAD_TEXT(NoNote, "No note", "Kein Hinweis", "Aucune note", "Sin nota", "Nessuna nota",
              "Sem aviso", "Geen melding", "Bez powiadomień", "Без уведомлений", "通知しない",
              "不通知")
KEYSTEAD_TEXT(NoteWhenHeld, "When held", "Wenn festgehalten", "Si maintenu", "Al mantener",
              "Se mantenuto", "Quando fixo", "Bij vasthouden", "Gdy trzymany", "При удержании",
              "固定時", "保持时")
KEYSTEAD_TEXT(NoteOnChange, "On every change", "Bei jeder Änderung", "À chaque changement",
              "En cada cambio", "A ogni cambio", "A cada mudança", "Bij elke wijziging",
              "Przy każdej zmianie", "При каждом изменении", "変更のたび", "每次更改")
KEYSTEAD_TEXT(NoteWhileOn, "While on", "Solange ein", "Tant qu'activé", "Mientras esté activado",
              "Finché attivo", "Enquanto ligado", "Zolang aan", "Gdy włączony", "Пока включена",
              "オンの間", "打开期间")
// Each key's sound, beside its notes; its buttons but the first say what the note buttons say.
KEYSTEAD_TEXT(CapsLockSound, "Caps &Lock sound:", "&Ton der Feststelltaste:", "Son de &Verr. Maj :",
              "&Sonido de Bloq Mayús:", "Suono di &Bloc Maiusc:", "Som do Caps &Lock:",
              "Geluid voor Caps &Lock:", "Dźwięk Caps &Lock:", "Звук Caps &Lock:",
              "Caps Lock の音(&L):", "Caps Lock 声音(&L):")
KEYSTEAD_TEXT(NumLockSound, "Num Loc&k sound:", "Ton der N&um-Taste:", "Son de Verr. N&um :",
              "Sonido de Bloq &Num:", "Suono di Blo&c Num:", "Som do Num Loc&k:",
              "Geluid voor Num Loc&k:", "Dźwięk Num Loc&k:", "Звук Num Loc&k:",
              "Num Lock の音(&K):", "Num Lock 声音(&K):")
KEYSTEAD_TEXT(ScrollLockSound, "Scroll Lock soun&d:", "Ton der Ro&llen-Taste:",
              "Son d'Arrêt dé&fil :", "Sonido de B&loq Despl:", "Suono di Bloc Sco&rr:",
              "&Som do Scroll Lock:", "&Geluid voor Scroll Lock:", "&Dźwięk Scroll Lock:",
              "&Звук Scroll Lock:", "Scroll Lock の音(&D):", "Scroll Lock 声音(&D):")
KEYSTEAD_TEXT(NoSound, "No sound", "Kein Ton", "Aucun son", "Sin sonido", "Nessun suono", "Sem som",
              "Geen geluid", "Bez dźwięku", "Без звука", "音を鳴らさない", "无声音")
// The notes' monitor, by NoteMonitor.
KEYSTEAD_TEXT(NoteMonitorLabel, "Sho&w notes on:", "Hinweise zeigen &auf:",
              "Afficher les notes &sur :", "Mostrar las notas &en:", "Mos&tra le note su:",
              "Mostrar os avisos &em:", "&Meldingen tonen op:", "&Monitor powiadomień:",
              "&Монитор уведомлений:", "通知を表示するモニター(&M):", "通知显示在(&M):")
KEYSTEAD_TEXT(MonitorFrontWindow, "the window in front", "Monitor des vorderen Fensters",
              "la fenêtre au premier plan", "la ventana en primer plano",
              "la finestra in primo piano", "a janela em primeiro plano",
              "het venster op de voorgrond", "ten z oknem na pierwszym planie",
              "с окном на переднем плане", "前面のウィンドウのモニター", "前台窗口所在的显示器")
KEYSTEAD_TEXT(MonitorPointer, "the mouse pointer", "Monitor des Mauszeigers",
              "le pointeur de la souris", "el puntero del ratón", "il puntatore del mouse",
              "o ponteiro do mouse", "de muisaanwijzer", "ten ze wskaźnikiem myszy",
              "с указателем мыши", "マウス ポインターのモニター", "鼠标指针所在的显示器")
KEYSTEAD_TEXT(MonitorMain, "the main monitor", "Hauptmonitor", "l'écran principal",
              "el monitor principal", "il monitor principale", "o monitor principal",
              "het hoofdbeeldscherm", "monitor główny", "основной монитор", "メイン モニター",
              "主显示器")
KEYSTEAD_TEXT(MonitorEvery, "every monitor", "allen Monitoren", "chaque écran", "cada monitor",
              "ogni monitor", "cada monitor", "elk beeldscherm", "każdy monitor", "каждый монитор",
              "すべてのモニター", "每个显示器")
KEYSTEAD_TEXT(NotePosition, "Note &position:", "Hinweis&position:", "&Position des notes :",
              "P&osición de las notas:", "&Posizione delle note:", "&Posição dos avisos:",
              "&Positie van meldingen:", "&Położenie powiadomień:", "&Расположение уведомлений:",
              "通知の位置(&P):", "通知位置(&P):")
// What a screen reader says for each position button, which carries no caption.
KEYSTEAD_TEXT(PositionName, "Position: {}", "Position: {}", "Position : {}", "Posición: {}",
              "Posizione: {}", "Posição: {}", "Positie: {}", "Położenie: {}", "Расположение: {}",
              "位置: {}", "位置: {}")
KEYSTEAD_TEXT(BottomLeft, "bottom left", "unten links", "en bas à gauche", "abajo a la izquierda",
              "in basso a sinistra", "inferior esquerda", "linksonder", "na dole po lewej",
              "внизу слева", "左下", "左下")
KEYSTEAD_TEXT(BottomCentre, "bottom centre", "unten Mitte", "en bas au centre",
              "abajo en el centro", "in basso al centro", "inferior central", "middenonder",
              "na dole pośrodku", "внизу по центру", "中央下", "中下")
KEYSTEAD_TEXT(BottomRight, "bottom right", "unten rechts", "en bas à droite", "abajo a la derecha",
              "in basso a destra", "inferior direita", "rechtsonder", "na dole po prawej",
              "внизу справа", "右下", "右下")
KEYSTEAD_TEXT(MiddleLeft, "middle left", "Mitte links", "au milieu à gauche",
              "en medio a la izquierda", "al centro a sinistra", "centro à esquerda",
              "links in het midden", "pośrodku po lewej", "посередине слева", "左中央", "左中")
KEYSTEAD_TEXT(Centre, "centre", "Mitte", "au centre", "en el centro", "al centro", "centro",
              "midden", "pośrodku", "по центру", "中央", "中央")
KEYSTEAD_TEXT(MiddleRight, "middle right", "Mitte rechts", "au milieu à droite",
              "en medio a la derecha", "al centro a destra", "centro à direita",
              "rechts in het midden", "pośrodku po prawej", "посередине справа", "右中央", "右中")
KEYSTEAD_TEXT(TopLeft, "top left", "oben links", "en haut à gauche", "arriba a la izquierda",
              "in alto a sinistra", "superior esquerda", "linksboven", "u góry po lewej",
              "вверху слева", "左上", "左上")
KEYSTEAD_TEXT(TopCentre, "top centre", "oben Mitte", "en haut au centre", "arriba en el centro",
              "in alto al centro", "superior central", "middenboven", "u góry pośrodku",
              "вверху по центру", "中央上", "中上")
KEYSTEAD_TEXT(TopRight, "top right", "oben rechts", "en haut à droite", "arriba a la derecha",
              "in alto a destra", "superior direita", "rechtsboven", "u góry po prawej",
              "вверху справа", "右上", "右上")
KEYSTEAD_TEXT(NoteTime,
              "Note &time:", "Hinweis&dauer:", "&Durée des notes :", "Du&ración de las notas:",
              "&Durata delle note:", "&Duração dos avisos:", "&Duur van meldingen:",
              "Czas &wyświetlania:", "&Время показа:", "通知の表示時間(&T):", "通知显示时间(&T):")
KEYSTEAD_TEXT(NoteTimeUnit, "milliseconds (500 to 10000)", "Millisekunden (500 bis 10000)",
              "millisecondes (500 à 10000)", "milisegundos (500 a 10000)",
              "millisecondi (da 500 a 10000)", "milissegundos (500 a 10000)",
              "milliseconden (500 tot 10000)", "milisekund (od 500 do 10000)",
              "миллисекунд (от 500 до 10000)", "ミリ秒 (500 ～ 10000)", "毫秒 (500 到 10000)")

// The tray icon's menu, which says Resume and Help as the window does.
KEYSTEAD_TEXT(MenuSettings, "&Settings", "&Einstellungen", "&Paramètres", "&Configuración",
              "&Impostazioni", "&Configurações", "&Instellingen", "&Ustawienia", "&Параметры",
              "設定(&S)", "设置(&S)")
KEYSTEAD_TEXT(MenuSuspend, "S&uspend", "Aus&setzen", "&Suspendre", "&Suspender", "Sos&pendi",
              "S&uspender", "Onder&breken", "Ws&trzymaj", "При&остановить", "一時停止(&U)",
              "暂停(&U)")
KEYSTEAD_TEXT(MenuExit, "E&xit", "&Beenden", "&Quitter", "Sa&lir", "&Esci", "&Sair", "&Afsluiten",
              "&Zakończ", "В&ыход", "終了(&X)", "退出(&X)")

// The tray icon's tooltip.
KEYSTEAD_TEXT(SuspendedLine, "(Suspended)", "(Ausgesetzt)", "(Suspendu)", "(Suspendido)",
              "(Sospeso)", "(Suspenso)", "(Onderbroken)", "(Wstrzymano)", "(Приостановлено)",
              "(一時停止中)", "(已暂停)")
KEYSTEAD_TEXT(PausedLine, "(Paused for {})", "(Pause für {})", "(En pause pour {})",
              "(En pausa por {})", "(In pausa per {})", "(Pausado: {})", "(Gepauzeerd voor {})",
              "(Wstrzymano: {})", "(Пауза: {})", "({} のため一時停止)", "(因 {} 暂停)")
// The tooltip's line under the keys that a listed program's own lock modes hold.
KEYSTEAD_TEXT(ProgramModesLine, "(As set for {})", "(Wie für {} eingestellt)",
              "(Comme réglé pour {})", "(Según lo fijado para {})", "(Come impostato per {})",
              "(Como definido para {})", "(Zoals ingesteld voor {})", "(Jak ustawiono dla {})",
              "(Как задано для {})", "({} 用の設定)", "(按 {} 的设置)")
KEYSTEAD_TEXT(FullScreenProgram, "a full-screen program", "ein Vollbildprogramm",
              "un programme en plein écran", "un programa a pantalla completa",
              "un programma a schermo intero", "um programa em tela cheia",
              "een programma op volledig scherm", "program pełnoekranowy",
              "полноэкранная программа", "全画面プログラム", "全屏程序")
KEYSTEAD_TEXT(KeyLineOn, "{}: on", "{}: ein", "{} : activé", "{}: activado", "{}: attivato",
              "{}: ligado", "{}: aan", "{}: wł.", "{}: вкл.", "{}: オン", "{}: 打开")
KEYSTEAD_TEXT(KeyLineOff, "{}: off", "{}: aus", "{} : désactivé", "{}: desactivado",
              "{}: disattivato", "{}: desligado", "{}: uit", "{}: wył.", "{}: выкл.", "{}: オフ",
              "{}: 关闭")
KEYSTEAD_TEXT(HeldMark, " (held)", " (fest)", " (maintenu)", " (fijo)", " (fisso)", " (fixo)",
              " (vast)", " (trzymany)", " (удерж.)", " (固定)", " (保持)")

// The lock keys in notes and the tooltip, and shorter where the tooltip is short of room.
KEYSTEAD_TEXT(CapsLock, "Caps Lock", "Feststelltaste", "Verr. Maj", "Bloq Mayús", "Bloc Maiusc",
              "Caps Lock", "Caps Lock", "Caps Lock", "Caps Lock", "Caps Lock", "Caps Lock")
KEYSTEAD_TEXT(NumLock, "Num Lock", "Num-Taste", "Verr. Num", "Bloq Num", "Bloc Num", "Num Lock",
              "Num Lock", "Num Lock", "Num Lock", "Num Lock", "Num Lock")
KEYSTEAD_TEXT(ScrollLock, "Scroll Lock", "Rollen-Taste", "Arrêt défil", "Bloq Despl", "Bloc Scorr",
              "Scroll Lock", "Scroll Lock", "Scroll Lock", "Scroll Lock", "Scroll Lock",
              "Scroll Lock")
KEYSTEAD_TEXT(CapsShort, "Caps", "Fest", "Maj", "Mayús", "Maiusc", "Caps", "Caps", "Caps", "Caps",
              "Caps", "Caps")
KEYSTEAD_TEXT(NumShort, "Num", "Num", "Num", "Num", "Num", "Num", "Num", "Num", "Num", "Num", "Num")
KEYSTEAD_TEXT(ScrollShort, "Scroll", "Rollen", "Défil", "Despl", "Scorr", "Scroll", "Scroll",
              "Scroll", "Scroll", "Scroll", "Scroll")

// The notes on screen.
KEYSTEAD_TEXT(HeldOffNote, "{} is held off", "{} bleibt aus", "{} reste désactivé",
              "{} se mantiene desactivado", "{} resta disattivato", "{} mantido desligado",
              "{} blijft uit", "{} pozostaje wyłączony", "{}: удерживается выкл.",
              "{} はオフに固定", "{} 保持关闭")
KEYSTEAD_TEXT(HeldOnNote, "{} is held on", "{} bleibt ein", "{} reste activé",
              "{} se mantiene activado", "{} resta attivato", "{} mantido ligado", "{} blijft aan",
              "{} pozostaje włączony", "{}: удерживается вкл.", "{} はオンに固定", "{} 保持打开")
KEYSTEAD_TEXT(OnNote, "{} on", "{} ein", "{} activé", "{} activado", "{} attivato", "{} ligado",
              "{} aan", "{} włączony", "{}: вкл.", "{} オン", "{} 打开")
KEYSTEAD_TEXT(OffNote, "{} off", "{} aus", "{} désactivé", "{} desactivado", "{} disattivato",
              "{} desligado", "{} uit", "{} wyłączony", "{}: выкл.", "{} オフ", "{} 关闭")

// Sound events, as Windows' Sound settings list them.
KEYSTEAD_TEXT(SoundPutBack, "Lock key put back", "Sperrtaste zurückgesetzt",
              "Touche de verrouillage rétablie", "Tecla de bloqueo restablecida",
              "Tasto di blocco ripristinato", "Tecla de bloqueio restaurada",
              "Vergrendeltoets teruggezet", "Klawisz blokady przywrócony",
              "Клавиша блокировки возвращена", "ロック キーの復元", "锁定键已恢复")
KEYSTEAD_TEXT(SoundOn, "Lock key on", "Sperrtaste ein", "Touche de verrouillage activée",
              "Tecla de bloqueo activada", "Tasto di blocco attivato", "Tecla de bloqueio ligada",
              "Vergrendeltoets aan", "Klawisz blokady włączony", "Клавиша блокировки включена",
              "ロック キー オン", "锁定键打开")
KEYSTEAD_TEXT(SoundOff, "Lock key off", "Sperrtaste aus", "Touche de verrouillage désactivée",
              "Tecla de bloqueo desactivada", "Tasto di blocco disattivato",
              "Tecla de bloqueio desligada", "Vergrendeltoets uit", "Klawisz blokady wyłączony",
              "Клавиша блокировки выключена", "ロック キー オフ", "锁定键关闭")

// The programs window: the programs that step aside or hold their own lock states.
KEYSTEAD_TEXT(ProgramsTitle, "Programs - " KEYSTEAD_NAME, "Programme - " KEYSTEAD_NAME,
              "Programmes - " KEYSTEAD_NAME, "Programas - " KEYSTEAD_NAME,
              "Programmi - " KEYSTEAD_NAME, "Programas - " KEYSTEAD_NAME,
              "Programma's - " KEYSTEAD_NAME, "Programy - " KEYSTEAD_NAME,
              "Программы - " KEYSTEAD_NAME, "プログラム - " KEYSTEAD_NAME, "程序 - " KEYSTEAD_NAME)
KEYSTEAD_TEXT(ProgramsLabel, "&Programs:", "&Programme:", "&Programmes :", "Pro&gramas:",
              "&Programmi:", "&Programas:", "&Programma's:", "&Programy:", "П&рограммы:",
              "プログラム(&P):", "程序(&P):")
KEYSTEAD_TEXT(ProgramFileLabel, "Program &file:", "Programm&datei:", "Fi&chier du programme :",
              "Arc&hivo del programa:", "&File del programma:", "Ar&quivo do programa:",
              "Programma&bestand:", "Plik p&rogramu:", "&Файл программы:",
              "プログラム ファイル(&F):", "程序文件(&F):")
KEYSTEAD_TEXT(AddProgram, "A&dd", "&Hinzufügen", "A&jouter", "Agrega&r", "Agg&iungi", "A&dicionar",
              "Toe&voegen", "&Dodaj", "&Добавить", "追加(&D)", "添加(&D)")
KEYSTEAD_TEXT(RemoveProgram, "&Remove", "&Entfernen", "&Supprimer", "&Quitar", "&Rimuovi",
              "&Remover", "Ver&wijderen", "&Usuń", "&Удалить", "削除(&R)", "删除(&R)")
KEYSTEAD_TEXT(StepAsideProgram, "S&tep aside for this program", "Für dieses Programm &aussetzen",
              "Mettre en pause pour ce programm&e", "Pa&usar para este programa",
              "Me&tti in pausa per questo programma", "Pausar para es&te programa",
              "Pa&uzeren voor dit programma", "Wstrzym&aj dla tego programu",
              "Приостанавливать для э&той программы", "このプログラムでは一時停止(&T)",
              "对此程序暂停(&T)")
KEYSTEAD_TEXT(FullScreenSetting, "Step aside for f&ull-screen programs",
              "Für &Vollbildprogramme aussetzen",
              "Mettre en pause pour les programmes en p&lein écran",
              "Pausar para programas a pantalla &completa",
              "Metti in pausa per i programmi a sc&hermo intero",
              "Pausar para programas em tela c&heia",
              "Pauzeren voor programma's op vo&lledig scherm",
              "Wstrzymaj dla programów pełno&ekranowych",
              "Приостанавливать для полно&экранных программ", "全画面プログラムでは一時停止(&U)",
              "对全屏程序暂停(&U)")
KEYSTEAD_TEXT(AsMainSetting, "As the main setting", "Wie Haupteinstellung",
              "Comme le réglage principal", "Como el ajuste principal",
              "Come l'impostazione principale", "Como a configuração principal",
              "Zoals de hoofdinstelling", "Jak ustawienie główne", "Как основная настройка",
              "メイン設定どおり", "同主设置")
KEYSTEAD_TEXT(BadProgramName, "Give a program's file name alone, as notepad.exe.",
              "Geben Sie nur den Dateinamen eines Programms an, etwa notepad.exe.",
              "Indiquez seulement le nom de fichier d'un programme, comme notepad.exe.",
              "Indique solo el nombre de archivo de un programa, como notepad.exe.",
              "Indicare solo il nome del file di un programma, come notepad.exe.",
              "Informe apenas o nome do arquivo de um programa, como notepad.exe.",
              "Geef alleen de bestandsnaam van een programma op, zoals notepad.exe.",
              "Podaj tylko nazwę pliku programu, np. notepad.exe.",
              "Укажите только имя файла программы, например notepad.exe.",
              "プログラムのファイル名だけを指定してください (例: notepad.exe)。",
              "请只输入程序的文件名，例如 notepad.exe。")
KEYSTEAD_TEXT(ProgramsFull, "The list holds no more than {} programs.",
              "Die Liste fasst höchstens {} Programme.",
              "La liste ne contient pas plus de {} programmes.",
              "La lista admite como máximo {} programas.",
              "L'elenco contiene al massimo {} programmi.",
              "A lista comporta no máximo {} programas.", "De lijst bevat hooguit {} programma's.",
              "Lista mieści najwyżej {} programów.", "В списке не больше {} программ.",
              "一覧に登録できるのは {} 個までです。", "列表最多包含 {} 个程序。")

// The settings window's system menu and the tray icon's menu.
KEYSTEAD_TEXT(ProgramsCommand, "&Programs...", "&Programme...", "Pro&grammes...", "&Programas...",
              "Progra&mmi...", "&Programas...", "&Programma's...", "Pr&ogramy...", "Про&граммы...",
              "プログラム(&P)...", "程序(&P)...")

#undef KEYSTEAD_NAME
