# The model gives the same bits on aarch64 as here (cross-built, run under qemu-user).
.PHONY: check-aarch64
check-aarch64: build
	bash scripts/setup.sh extra-aarch64
	bash crossbuild/check_aarch64.sh $(BUILD)
