#include "core/i18n/PageLabels.h"

#include "core/i18n/UiStrings.h"

namespace qx71 {

// Columns: Simplified Chinese, English, French, Korean, German, Italian, Spanish, Dutch,
// Portuguese (Portugal, as pt.xml), Russian, Ukrainian, Traditional Chinese. The pointer
// speed's ends in Russian are the desktop's own "Ниже"/"Выше": "Медленно" does not fit. A label
// that a language file gives keeps only its English text here, for a file that lacks the key.
const std::array<PageLabelEntry, kPageLabelCount> kPageLabels{{
    {"DpiSection", "str_dpi_setting", {u"", u"DPI settings"}},
    {"SpeedSection", "str_mouseSpeed", {u"", u"Pointer speed"}},
    {"SensorSection", "str_sheight", {u"", u"Sensor height"}},
    {"RateSection", "str_usbrate", {u"", u"USB report rate"}},
    {"WheelSection", "str_windows_scroll", {u"", u"Wheel scrolling"}},
    {"ButtonsSection", "str_mouse_key", {u"", u"Button assignment"}},
    {"SlowMark",
     "",
     {u"慢", u"Slow", u"Lent", u"느림", u"Langsam", u"Lenta", u"Lenta", u"Langzaam", u"Lenta",
      u"Ниже", u"Повільно", u"慢"}},
    {"FastMark",
     "",
     {u"快", u"Fast", u"Rapide", u"빠름", u"Schnell", u"Veloce", u"Rápida", u"Snel", u"Rápida",
      u"Выше", u"Швидко", u"快"}},
    {"LowMark",
     "",
     {u"低", u"Low", u"Basse", u"낮음", u"Niedrig", u"Bassa", u"Baja", u"Laag", u"Baixa", u"Низко",
      u"Низько", u"低"}},
    {"HighMark",
     "",
     {u"高", u"High", u"Haute", u"높음", u"Hoch", u"Alta", u"Alta", u"Hoog", u"Alta", u"Высоко",
      u"Високо", u"高"}},
    {"Accuracy", "str_improveAccuracy", {u"", u"Enhance pointer precision"}},
    {"LinesButton",
     "",
     {u"滚动行数", u"Lines per notch", u"Lignes par cran", u"칸당 줄 수", u"Zeilen pro Raste",
      u"Righe per scatto", u"Líneas por paso", u"Regels per stap", u"Linhas por passo",
      u"Строк за щелчок", u"Рядків за клацання", u"捲動行數"}},
    {"ScreenButton",
     "",
     {u"一次滚动一屏", u"One screen", u"Un écran", u"한 화면", u"Eine Seite", u"Una schermata",
      u"Una pantalla", u"Eén scherm", u"Um ecrã", u"Один экран", u"Один екран", u"一次捲動一頁"}},
    {"TabLeft",
     "",
     {u"左键", u"Left", u"Gauche", u"왼쪽", u"Links", u"Sinistro", u"Izquierdo", u"Links",
      u"Esquerdo", u"Левая", u"Ліва", u"左鍵"}},
    {"TabMiddle",
     "",
     {u"中键", u"Middle", u"Milieu", u"가운데", u"Mitte", u"Centrale", u"Central", u"Midden",
      u"Central", u"Средняя", u"Середня", u"中鍵"}},
    {"TabRight",
     "",
     {u"右键", u"Right", u"Droit", u"오른쪽", u"Rechts", u"Destro", u"Derecho", u"Rechts",
      u"Direito", u"Правая", u"Права", u"右鍵"}},
    {"TabForward",
     "",
     {u"前进键", u"Forward", u"Avancer", u"앞으로", u"Vorwärts", u"Avanti", u"Adelante", u"Vooruit",
      u"Avançar", u"Вперёд", u"Уперед", u"前進鍵"}},
    {"TabBack",
     "",
     {u"后退键", u"Back", u"Retour", u"뒤로", u"Zurück", u"Indietro", u"Atrás", u"Terug", u"Voltar",
      u"Назад", u"Назад", u"後退鍵"}},
    {"TabWheelUp",
     "",
     {u"滚轮向上", u"Wheel up", u"Molette haut", u"휠 위로", u"Rad hoch", u"Rotella su",
      u"Rueda arriba", u"Wiel omhoog", u"Roda acima", u"Колесо вверх", u"Коліщатко вгору",
      u"滾輪向上"}},
    {"TabWheelDown",
     "",
     {u"滚轮向下", u"Wheel down", u"Molette bas", u"휠 아래로", u"Rad runter", u"Rotella giù",
      u"Rueda abajo", u"Wiel omlaag", u"Roda abaixo", u"Колесо вниз", u"Коліщатко вниз",
      u"滾輪向下"}},
    {"LeftClicks",
     "",
     {u"左键点击", u"Left clicks", u"Clics gauches", u"왼쪽 클릭", u"Linksklicks", u"Clic sinistri",
      u"Clics izquierdos", u"Linkerklikken", u"Cliques esquerdos", u"Щелчки левой",
      u"Клацання лівою", u"左鍵點擊"}},
    {"MiddleClicks",
     "",
     {u"中键点击", u"Middle clicks", u"Clics milieu", u"가운데 클릭", u"Mittelklicks",
      u"Clic centrali", u"Clics centrales", u"Middelklikken", u"Cliques centrais",
      u"Щелчки средней", u"Клацання середньою", u"中鍵點擊"}},
    {"RightClicks",
     "",
     {u"右键点击", u"Right clicks", u"Clics droits", u"오른쪽 클릭", u"Rechtsklicks",
      u"Clic destri", u"Clics derechos", u"Rechterklikken", u"Cliques direitos", u"Щелчки правой",
      u"Клацання правою", u"右鍵點擊"}},
    {"AllClicks",
     "",
     {u"点击总数", u"All clicks", u"Total des clics", u"전체 클릭", u"Klicks gesamt",
      u"Clic totali", u"Clics totales", u"Klikken totaal", u"Total de cliques", u"Всего щелчков",
      u"Усього клацань", u"點擊總數"}},
    {"WheelForward",
     "",
     {u"滚轮向前", u"Wheel forward", u"Molette avant", u"휠 앞으로", u"Rad vorwärts",
      u"Rotella avanti", u"Rueda adelante", u"Wiel vooruit", u"Roda para a frente",
      u"Колесо вперёд", u"Коліщатко вперед", u"滾輪向前"}},
    {"WheelBackward",
     "",
     {u"滚轮向后", u"Wheel backward", u"Molette arrière", u"휠 뒤로", u"Rad rückwärts",
      u"Rotella indietro", u"Rueda atrás", u"Wiel achteruit", u"Roda para trás", u"Колесо назад",
      u"Коліщатко назад", u"滾輪向後"}},
    {"AllWheelSteps",
     "",
     {u"滚轮总数", u"All wheel steps", u"Total molette", u"전체 휠 단계", u"Radschritte gesamt",
      u"Scatti rotella totali", u"Pasos de rueda totales", u"Wielstappen totaal", u"Total da roda",
      u"Всего шагов колеса", u"Усього кроків коліщатка", u"滾輪總數"}},
    {"Distance",
     "",
     {u"移动距离", u"Distance", u"Distance", u"이동 거리", u"Strecke", u"Distanza", u"Distancia",
      u"Afstand", u"Distância", u"Расстояние", u"Відстань", u"移動距離"}},
    {"DistanceUnit",
     "",
     {u"万像素", u"x 10,000 px", u"x 10 000 px", u"만 픽셀", u"x 10.000 px", u"x 10.000 px",
      u"x 10.000 px", u"x 10.000 px", u"x 10 000 px", u"x 10 000 пикс.", u"x 10 000 пікс.",
      u"萬像素"}},
    {"StartRecord",
     "",
     {u"开始录制", u"Start Record", u"Démarrer l'enregistrement", u"녹화 시작", u"Aufnahme starten",
      u"Avvia registrazione", u"Iniciar grabación", u"Opname starten", u"Iniciar gravação",
      u"Начать запись", u"Почати запис", u"開始錄製"}},
    {"StopRecord",
     "",
     {u"停止录制", u"Stop Record", u"Arrêter l'enregistrement", u"녹화 중지", u"Aufnahme beenden",
      u"Ferma registrazione", u"Detener grabación", u"Opname stoppen", u"Parar gravação",
      u"Остановить запись", u"Зупинити запис", u"停止錄製"}},
    {"UpdateInProgress",
     "",
     {u"更新进行中，请稍候...", u"Updating is in progress, please wait\u2026",
      u"Mise à jour en cours, veuillez patienter\u2026",
      u"업데이트 중입니다. 잠시 기다려 주십시오\u2026", u"Aktualisierung läuft, bitte warten\u2026",
      u"Aggiornamento in corso, attendere\u2026", u"Actualización en curso, espere\u2026",
      u"Bijwerken bezig, even geduld\u2026", u"Atualização em curso, aguarde\u2026",
      u"Идёт обновление, подождите\u2026", u"Триває оновлення, зачекайте\u2026",
      u"更新進行中，請稍候..."}},
    {"NoteSettingNotUsed",
     "",
     {u"此桌面不使用此设置。", u"This desktop does not use this setting.",
      u"Ce bureau n'utilise pas ce réglage.", u"이 데스크톱은 이 설정을 사용하지 않습니다.",
      u"Dieser Desktop verwendet diese Einstellung nicht.",
      u"Questo desktop non usa questa impostazione.", u"Este escritorio no usa este ajuste.",
      u"Deze desktop gebruikt deze instelling niet.",
      u"Este ambiente de trabalho não usa esta definição.",
      u"Этот рабочий стол не использует этот параметр.",
      u"Ця стільниця не використовує цей параметр.", u"此桌面不使用此設定。"}},
    {"NoteDesktopKeepsSettings",
     "",
     {u"此桌面自行保存这些设置。", u"This desktop keeps these settings itself.",
      u"Ce bureau gère lui-même ces réglages.", u"이 데스크톱이 이 설정을 직접 관리합니다.",
      u"Dieser Desktop verwaltet diese Einstellungen selbst.",
      u"Questo desktop gestisce da sé queste impostazioni.",
      u"Este escritorio gestiona estos ajustes por sí mismo.",
      u"Deze desktop beheert deze instellingen zelf.",
      u"Este ambiente de trabalho gere estas definições.",
      u"Этот рабочий стол сам хранит эти настройки.", u"Ця стільниця сама зберігає ці параметри.",
      u"此桌面自行儲存這些設定。"}},
}};

ResolvedLabel ResolveLabel(PageLabel label, LanguageId language, const UiStrings& strings)
{
    const PageLabelEntry& entry = kPageLabels[static_cast<size_t>(label)];
    if (!entry.stringKey.empty()) {
        const std::u16string& fromFile = strings.Get(entry.stringKey);
        if (!fromFile.empty()) {
            return {fromFile, false};
        }
    }
    const size_t english = static_cast<size_t>(kLanguageEnglish - 1);
    // A keyed label's English text here stands in only for a file that lacks the key.
    if (entry.stringKey.empty() && FindLanguage(language) != nullptr) {
        const std::u16string_view own = entry.texts[static_cast<size_t>(language - 1)];
        if (!own.empty()) {
            return {std::u16string(own), false};
        }
    }
    // A keyed label reaches here only when the file lacks its key.
    return {std::u16string(entry.texts[english]),
            !entry.stringKey.empty() || language != kLanguageEnglish};
}

std::u16string LabelText(PageLabel label, LanguageId language, const UiStrings& strings)
{
    return ResolveLabel(label, language, strings).text;
}

} // namespace qx71
