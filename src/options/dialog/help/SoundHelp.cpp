// Help and captions of the Sound page's controls.
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

const TControlHelp kSoundHelp[] = {
    {"chkBeep",
     "Sounds the system's error beep when Skrivo cannot do what you asked: a command with nothing to work on, a key a field does not accept, a search that finds nothing.",
     "Подаёт системный сигнал ошибки, когда Skrivo не может выполнить просьбу: команде не над чем работать, поле не принимает клавишу, поиск ничего не нашёл.",
     "Сигнал при ошибке", "Beep on error"},
    {"chkEnableSounds",
     "Plays the sounds assigned below when their events happen while you type. The error beep does not depend on this box.",
     "Проигрывает назначенные ниже звуки, когда при наборе происходят их события. Сигнал ошибки от этого флажка не зависит.",
     "Включить звуки", "Enable sound"},
    {"lvEvents",
     "The events Skrivo can sound on. Select one or more (Ctrl and Shift with the mouse) and choose a file below to give them all the same sound. A speaker marks a wave file, a note a beep melody.",
     "События, на которые Skrivo может подавать звук. Выделите одно или несколько (мышью с Ctrl и Shift) и выберите файл ниже, чтобы назначить им один звук. Динамик обозначает wave-файл, нота - мелодию из сигналов."},
    {"lblSchemes", "A scheme is a saved set of sounds for all events.", "Схема - сохранённый набор звуков для всех событий.",
     "Звуковые схемы:", "Sound schemes:"},
    {"lvSchemes",
     "Choose a scheme to give every event its sound. \"< current >\" brings back the sounds you had when the dialog opened. A changed scheme asks whether to save it before you leave it.",
     "Выберите схему, чтобы назначить звуки всем событиям сразу. \"< текущая >\" возвращает звуки, бывшие при открытии окна. Изменённая схема перед уходом с неё предложит себя сохранить."},
    {"btnSaveScheme", "Saves the sounds of all events as a scheme file (\".ss\") and adds it to the list of schemes.",
     "Сохраняет звуки всех событий в файл схемы (\".ss\") и добавляет его в список схем.", "Сохранить как...", "Save as..."},
    {"cbSoundFileName",
     "The sound of the selected events: a wave file (\".wav\") or a beep melody (\".bip\": one number a line, pairs of frequency in Hz and duration in ms). Type a path or pick one used before.",
     "Звук выделенных событий: wave-файл (\".wav\") или мелодия из сигналов (\".bip\": по числу в строке, пары - частота в Гц и длительность в мс). Введите путь или выберите уже использованный."},
    {"btnBrowseSound", "Picks a sound file for the selected events.", "Выбирает звуковой файл для выделенных событий.",
     "Обзор...", "Browse..."},
    {"btnTestSound", "Plays the file shown in the box, as the event would sound.", "Проигрывает файл из поля так, как прозвучит событие.",
     "Проверить", "Test"},
    {"btnClearSound", "Takes the sound away from the selected events: they stay silent.",
     "Убирает звук у выделенных событий: они будут беззвучны.", "Очистить", "Clear"},
};

}  // namespace

THelpTable SoundHelp() { return kSoundHelp; }

}  // namespace skrivo
