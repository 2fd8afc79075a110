#!/bin/sh
# Writes the seed corpus of every fuzz target: fuzz/make-seeds.sh OUTDIR
# (one folder per target, a few small valid and near-valid inputs each).
set -e
out=${1:?usage: make-seeds.sh OUTDIR}
seed() {  # seed TARGET NAME PRINTF-FORMAT
  mkdir -p "$out/$1"
  printf "$3" > "$out/$1/$2"
}
# Dictionaries: two bytes of length, the dictionary in memory, then the file.
seed fuzz_dictionary plain '\010\000 Caption\r\nbegin\r\nSelf.Caption\r\n Width\r\n'
seed fuzz_dictionary mixed '\004\000a\rb\nc\r\nd\000hidden\r\n\r\n  x := y\r\n'
seed fuzz_dictionary empty '\000\000'
# The ranking file: a piece of text typed after loading (its length in front), then the file.
# Searches: option bits, limit bits, the request, words to learn, two bytes of
# length and the learnt entries, then a unit's words.
seed fuzz_search context '\002\017\014Routines fol\012Fold\r\nFox\040\000 Folder\r\nx := Follow\r\nSelf.Foal\r\nfolded\r\nunfold\r\n'
seed fuzz_search words '\016\377\002Ca\004Cart\030\000Caption\r\n Capital\r\nx.Cap\r\nCardinal\r\ncaption\r\nCAPTION\r\n'
seed fuzz_search separators '\000\003\007x := Va\000\022\000a := Value\r\nb.Val\r\nValid\r\n'
seed fuzz_rank_file words '\030x := Self.Caption; y: s\nSkrivo word ranking 1\r\n2.5\tCaption\r\n1\t\003.\037Self\037\tCaption\r\n'
seed fuzz_rank_file odd '\000Skrivo word ranking 1\r\nnan\tx\r\n1\t\003\tWord\r\n1\t\003a\037b\037c\037d\037\tW\r\n1\tx\ty\r\n1e308\tBig\r\n'
# Configuration copies (".sk").
seed fuzz_config_copy sample '[Skrivo configuration]\r\nDelayTime=750\r\nWordsListCount=2\r\nWord0=begin\r\nWord1=" I"\r\nSubstCount=1\r\nSubst0From=:i\r\nSubst0To=: Integer\r\nMacrosCount=1\r\nMacro0Name=m\r\nMacro0Shortcut=24581\r\nMacro0Data=00FF10\r\n'
seed fuzz_config_copy odd '[skrivo CONFIGURATION]\nDirectory='"'"'/x'"'"'\nKeyComplete=0x1F\nWordsListCount=99999999\nMacro0Data=00ff1\n\000Word0=after\r\n'
seed fuzz_config_copy sections '[Other]\r\nDelayTime=1\r\n[Skrivo configuration]\r\n ConditionsCount = -3 \r\nCondition0=\r\n'
# Registry rows: kind, name pick (>= 240: a name of its own follows), value.
seed fuzz_registry_rows counts '\000\011\003\000\000\000\001\012\005begin\002\200\003\000\377\020'
seed fuzz_registry_rows foreign '\001\360\007Word007\003abc\002\362\005Macro\001x'
# Hexadecimal macro data.
seed fuzz_hex_text pairs '00FF10'
seed fuzz_hex_text odd '00ff1 zz-9A'
# Memory stream operations: an initial piece, then operations.
seed fuzz_macro_stream ops '\004abcd\001\003\000\005\002\004\003xyz\007\010\011\006\377\001'
# Shortcut texts: setting, a 16-bit value, then a text.
seed fuzz_shortcut_text ctrl '\000\117\140Shift+Ctrl+O'
seed fuzz_shortcut_text num '\001\145\000Num 5'
seed fuzz_shortcut_text bracket '\003\333\100Ctrl+['
# Code-page text.
seed fuzz_codepage latin 'Gr\374\337e \200 \201\215'
seed fuzz_codepage cyrillic '\317\360\350\342\345\362 \270\250'
seed fuzz_codepage utf8 '\320\237\321\200\320\270 \342\202\254 \355\240\200 \300\257'
# Pascal source with a cursor (two bytes) in front.
seed fuzz_source_walker unit '\040\000unit U;\r\ninterface\r\nimplementation\r\nprocedure P;\r\nbegin\r\n  if x then begin y := '"'"'a'"'"'; end;\r\n  case k of 1: ; end;\r\nend;\r\nend.'
seed fuzz_source_walker comments '\005\000{$IFDEF X} (* begin *) // end\r\ntry { } finally end; asm mov end; record end; #13#10'
# Substitution patterns: edge flag, pattern, replacement, two bytes of length, the text before, the text after.
seed fuzz_subst_matcher assign '\001\004* :i\011: Integer\003\000x:i'
seed fuzz_subst_matcher stars '\000\005**a?b\001x\005\000a\r\nxbz \r'
# Macro data portions: a tag (32 bits, little-endian) and its portion; -1 a search, -2 a call.
seed fuzz_macro_portions keys '\004\000\000\000abcd'
seed fuzz_macro_portions search '\377\377\377\377\001\000\001\001\000\001\003\000\000\000x+y'
seed fuzz_macro_portions call '\376\377\377\377\003\000\000\000\001\000\002\000\000\000if\014\000\000\000\377\377\377\377\000\000\000\000\000\000\000\000\000\000'
seed fuzz_macro_portions nested '\376\377\377\377\001\000\000\000\000\001\000\000\000\000\016\000\000\000\376\377\377\377\002\000\000\000\000\000\000\000\000\000'
# Macro list files (".km"): the header, the count, then name, shortcut and data per macro.
km='Skrivo Expert - macros list.'
seed fuzz_macro_list two "$km"'\002\000\000\000\001\000\000\000a\101\140\000\000\004\000\000\000\000\000\000\000\002\000\000\000bb\000\000\000\000\016\000\000\000\377\377\377\377\000\000\000\000\000\000\002\000\000\000ab'
seed fuzz_macro_list cut "$km"'\005\000\000\000\003\000\000\000ab'
seed fuzz_macro_list lying "$km"'\377\377\377\177\000\000\000\000\377\377\377\377\000\000\000\200'
# Sound schemes (".ss"); the fuzzer's sound folder holds a.wav, "Ding 1.wav" and sub/b.wav.
ss='Skrivo Expert - Sound scheme file (do not alter this line)'
seed fuzz_sound_scheme full "$ss"'\r\na.wav\r\n\r\nsub/b.wav\r\nDing 1.wav\r\nmissing.wav\r\n../sounds/a.wav\r\n/nowhere/x.wav\r\nsub/../a.wav\r\n\r\n\r\n\r\na.wav\r\n'
seed fuzz_sound_scheme short "$ss"'\na.wav\rsub/b.wav'
seed fuzz_sound_scheme foreign 'Skrivo Expert - Sound scheme file\r\na.wav\000sub/b.wav\r\n'
# Beep files: one number a line.
seed fuzz_beep_file melody '440\r\n200\r\n  880 \r\n\r\n-1\r\n+100\r\n'
seed fuzz_beep_file bad '440\r\n2147483648\r\n'
seed fuzz_beep_file odd '\t0\n\r00012\r-2147483648\000 9'
# Bookmark files: a unit name (length in front), then the file.
seed fuzz_bookmark_file set '\016/src/Unit1.pas0 0\r\n12 4\r\n0 0\r\n7 0\r\n'
seed fuzz_bookmark_file bad '\014/a.b/U.x.pas+3 -1\r\n3\r\n4  5\r\n99999999999 1\r\n-0 +0\r\n'
# Pattern lines with braces, conditions and cursor marks.
seed fuzz_subst_matcher conditions '\001\024{* if|} ^{*then*} *x|\004then\002\000ifx'
seed fuzz_subst_matcher bars '\000\011* a| ^b| c\001y\003\000 a|c'
