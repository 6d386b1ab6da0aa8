# The case library's simulation files are made from cases/case_table.txt by
# the command-line program; run this after changing a case or the model.
.PHONY: cases

cases: setup configure
	cmake --build $(BUILD) --target breathlab-cli data_folders -j $(JOBS)
	$(BUILD)/bin/breathlab-cli make-cases cases/case_table.txt cases/library
