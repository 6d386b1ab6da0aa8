# Refreshes the translation sources from the code: new texts wrapped in tr(),
# QT_TRANSLATE_NOOP or Translated() come in as unfinished, texts gone from the
# code leave. The test translations.english_is_complete then names every
# unfinished one until it has its English form (edit the .ts file, or use
# Qt Linguist: `linguist translations/breathlab_en.ts`).
LUPDATE ?= /usr/lib/qt6/bin/lupdate
TRANSLATED_FOLDERS = $(wildcard ui params results cases)

.PHONY: translations-update

translations-update: setup
	$(LUPDATE) -no-obsolete -locations none -tr-function-alias translate+=Translated \
	  -target-language en $(TRANSLATED_FOLDERS) -ts translations/breathlab_en.ts
