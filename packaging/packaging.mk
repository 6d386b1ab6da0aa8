# The Debian package and its checks.
#   make package        build/breathlab_<version>_<arch>.deb (CPack, dpkg-shlibdeps) and
#                       build/python3-breathlab_<version>_<arch>.deb (the Python module)
#   make package-lint   desktop-file-validate, appstreamcli and lintian on it
#   make test-package   install it into a fresh Debian 12 root and use it there
PACKAGE_VERSION = $(shell grep '^project' CMakeLists.txt | grep -o 'VERSION [0-9.]*' | cut -d' ' -f2)
PACKAGE_FILE = $(BUILD)/breathlab_$(PACKAGE_VERSION)_$(shell dpkg --print-architecture).deb
PYTHON_PACKAGE_FILE = $(BUILD)/python3-breathlab_$(PACKAGE_VERSION)_$(shell dpkg --print-architecture).deb
TEST_PACKAGE_CACHE ?= /var/cache/breathlab-test-package

.PHONY: package package-lint test-package

package: build
	cd $(BUILD) && cpack -G DEB
	@echo "packages: $(PACKAGE_FILE) $(PYTHON_PACKAGE_FILE)"

# lintian's tags of severity error fail the check; warnings are shown.
package-lint: package
	@bash scripts/setup.sh extra-packaging
	desktop-file-validate packaging/org.breathlab.breathlab.desktop
	appstreamcli validate --no-net $(BUILD)/packaging/staged/org.breathlab.breathlab.metainfo.xml
	lintian --fail-on error --info $(PACKAGE_FILE)
	lintian --fail-on error --info $(PYTHON_PACKAGE_FILE)

test-package: package-lint
	bash packaging/test_package.sh $(PACKAGE_FILE) $(BUILD)/bin/breathlab-cli $(TEST_PACKAGE_CACHE)
