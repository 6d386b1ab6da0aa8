# The README's fresh-machine steps followed to the letter in a debootstrapped
# minbase Debian 12 root, ending in `make test` as a plain user with sudo. It
# downloads every package and builds everything from nothing, so it takes an
# hour or more and is not part of `make test`. Needs root.
.PHONY: test-fresh

test-fresh:
	bash scripts/setup.sh extra-fresh
	mkdir -p $(BUILD)
	nice -n 19 bash freshmachine/test_fresh.sh $(BUILD)/test-fresh.log
