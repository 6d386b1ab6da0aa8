# The web page: `make web` builds it into $(BUILD)/web/, `make serve-web`
# serves that folder on 127.0.0.1 for a look in a browser.
.PHONY: web serve-web web-npm
WEB_PORT ?= 8080

# The page's npm packages, exactly as the committed lock file names them.
# Node and npm come from Debian only where the machine has none of its own.
web-npm:
	@if ! command -v node >/dev/null || ! command -v npm >/dev/null; then \
	  sudo=""; [ "$$(id -u)" -ne 0 ] && sudo="sudo"; \
	  $$sudo apt-get update -qq && $$sudo apt-get install -y -qq --no-install-recommends nodejs npm; \
	fi
	@cd web && if [ ! -f node_modules/.package-lock.json ] || \
	  [ package-lock.json -nt node_modules/.package-lock.json ]; then \
	  npm ci --no-audit --no-fund; fi

setup: web-npm

web: setup configure
	cmake --build $(BUILD) --target web -j $(JOBS)

serve-web: web
	node $(BUILD)/web-tools/serve.mjs $(BUILD)/web $(WEB_PORT)

# How much of the page's logic its unit tests pin down: Stryker mutates the
# logic files under src/ and runs the node unit tests against each mutant.
.PHONY: mutation-web
mutation-web: web-npm
	cd web && npx stryker run

# The page's budgets: first-load size, time to ready, and run time against
# breathlab-cli, measured with Debian's chromium on this machine.
.PHONY: bench-web
bench-web: web
	cmake --build $(BUILD) --target breathlab-cli web_tests
	web/node_modules/esbuild/bin/esbuild web/bench/page_budget.ts --bundle --platform=node --format=esm \
	  --external:playwright-core --outfile=$(BUILD)/web-tests/page_budget.mjs --log-level=warning
	node $(BUILD)/web-tests/page_budget.mjs $(BUILD)/web $(BUILD)/bin/breathlab-cli
