#include "catalogue/Language.h"

#include "table/Errors.h"
#include "table/FileLookup.h"
#include "table/FileRead.h"

#include <algorithm>
#include <array>

namespace klarvon {

namespace {

// In the order the main window applies them. "ехе" in the Button1, Openexe1 and
// Saveexe1 captions is Cyrillic (U+0435 U+0445 U+0435) while "exe" in GroupBox6's is
// Latin; Button2 and Label1 end with a space; the vehicle types have no leading spaces
// although their English captions do.
constexpr std::array<TCaption, 66> RussianCaptionTable{{
    {"Button1", "Открыть ехе SA"},
    {"Button2", "Сохранить "},
    {"Button3", "Об авторе"},
    {"Button4", "Выход"},
    {"GroupBox6", "Инфо об exe"},
    {"GroupBox1", "Тип машины"},
    {"GroupBox2", "Звуки двигателя"},
    {"GroupBox4", "Звуки дверей"},
    {"GroupBox3", "Звук гудка"},
    {"GroupBox5", "Настройки радио"},
    {"Label21", "Размер(байты):"},
    {"Label25", "Версия:"},
    {"Label23", "Кол-во слотов:"},
    {"Label2", "Работающий:"},
    {"Label3", "Неподвижный:"},
    {"Label17", "Используются"},
    {"Label18", "ID звуков"},
    {"CheckBox1", "Редакт."},
    {"Label16", "Откр/закр"},
    {"RadioButton10", "Тип 0"},
    {"RadioButton11", "Тип 1"},
    {"RadioButton12", "Тип 2"},
    {"RadioButton13", "Тип 3"},
    {"RadioButton14", "Тип 4"},
    {"RadioButton15", "Тип 5"},
    {"RadioButton1", "Авто"},
    {"RadioButton2", "Мотоцикл"},
    {"RadioButton3", "Велосипед"},
    {"RadioButton4", "Лодка"},
    {"RadioButton5", "Вертолёт"},
    {"RadioButton6", "Самолёт"},
    {"RadioButton7", "Поезд"},
    {"RadioButton8", "Прицеп"},
    {"RadioButton9", "Специальный"},
    {"Label4", "Тип"},
    {"Label7", "Тон"},
    {"Label5", "Велик"},
    {"Label15", "Нет"},
    {"Label8", "Данная переменная дробная"},
    {"Label9", "' E-** '  =  ' x10 в степени -** '"},
    {"CheckBox2", "Редактирование"},
    {"CheckBox3", "Редактирование"},
    {"Label19", "Главная радиостанция"},
    {"Label20", "Тип радио"},
    {"RadioButton29", "Гражданские машины"},
    {"RadioButton30", "Служебные машины"},
    {"RadioButton31", "Специальные машины"},
    {"Label1", "ID Машины, Название "},
    {"Programme1", "Действия"},
    {"Openexe1", "Открыть ехе"},
    {"Opencfg1", "Открыть cfg"},
    {"Saveexe1", "Сохранить ехе"},
    {"Undoapply1", "Отменить запись"},
    {"Check1", "Проверить"},
    {"Exit1", "Выход"},
    {"Settings1", "Настройки"},
    {"ShowUnknown1", "Показывать неизвестное"},
    {"Sounds1", "Звуки"},
    {"Testdrive1", "Тест-драйв"},
    {"Horn1", "Сигнал"},
    {"Doors1", "Двери"},
    {"Stop1", "Стоп"},
    {"Gamefolder1", "Папка игры..."},
    {"About1", "Помощь"},
    {"Help1", "Помощь"},
    {"About2", "Об авторе"},
}};

constexpr std::string_view SavedRussian = "Сохранено успешно.";
constexpr std::string_view SavedEnglish = "Saved successful.";
constexpr std::string_view StaleRussian =
    "Запись этой машины изменена другой программой после показа; выберите её снова.";
constexpr std::string_view StaleEnglish =
    "This vehicle's record was changed by another program after it was shown; select it again.";

constexpr TEditorTexts EnglishEditorTexts{
    "The game will have problems with these values:",
    "Write them anyway?",
    "This vehicle's record was changed by another program after the apply; it was not undone.",
    "Nothing found:",
    "Select",
    "Close",
    "(read-only)",
    "(read-only: in use by another program)",
};
constexpr TEditorTexts RussianEditorTexts{
    "С этими значениями у игры будут проблемы:",
    "Всё равно записать?",
    "Запись этой машины изменена другой программой после записи; отмена не выполнена.",
    "Ничего не найдено:",
    "Выбрать",
    "Закрыть",
    "(только чтение)",
    "(только чтение: файл занят другой программой)",
};

constexpr TSoundTexts EnglishSoundTexts{
    "The game's sound files (audio/CONFIG/BankLkup.dat) are not in this folder:",
    "Choose the game's folder.",
    "Choose the game's folder (the one holding the audio folder)",
    "Nothing to play:",
    "There is no sound device to play on.",
};
constexpr TSoundTexts RussianSoundTexts{
    "В этой папке нет звуковых файлов игры (audio/CONFIG/BankLkup.dat):",
    "Выберите папку игры.",
    "Выберите папку игры (ту, в которой папка audio)",
    "Нечего проиграть:",
    "Нет звукового устройства.",
};

// The text ends at the first NUL; the first line at the first CR or LF.
std::string_view FirstLine(std::string_view text) {
    const auto end = text.find_first_of(std::string_view("\r\n\0", 3));
    return text.substr(0, std::min(end, SettingsLineLimit));
}

} // namespace

TLanguage ChooseLanguage(const std::filesystem::path& settingsPath) {
    if (!IsFilePresent(settingsPath)) {
        return TLanguage(LanguageEnglish);
    }
    // Enough bytes for the longest first line that is looked at; the rest is not read.
    const auto head = ReadFileHead(settingsPath, SettingsLineLimit);
    if (FirstLine(head).find(LanguageRussian) != std::string_view::npos) {
        return TLanguage(LanguageRussian);
    }
    return {};
}

bool IsRussian(const TLanguage& language) {
    return language == LanguageRussian;
}

std::span<const TCaption> RussianCaptions() {
    return RussianCaptionTable;
}

std::string_view SaveConfirmationText(const TLanguage& language) {
    return IsRussian(language) ? SavedRussian : SavedEnglish;
}

std::string StaleRecordText(const TLanguage& language) {
    return std::string(IsRussian(language) ? StaleRussian : StaleEnglish);
}

const TEditorTexts& EditorTexts(const TLanguage& language) {
    return IsRussian(language) ? RussianEditorTexts : EnglishEditorTexts;
}

const TSoundTexts& SoundTexts(const TLanguage& language) {
    return IsRussian(language) ? RussianSoundTexts : EnglishSoundTexts;
}

} // namespace klarvon
