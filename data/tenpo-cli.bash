# bash completion for tenpo-cli
_tenpo_cli() {
  local cur prev words cword
  _init_completion || return
  local commands="export import slips claims claim-detail sales returns trend pdf archive import-csv"
  if [[ $cword -eq 1 ]]; then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi
  case $prev in
    --kind)
      case ${words[1]} in
        archive) COMPREPLY=($(compgen -W "delivery-note invoice receipt" -- "$cur")) ;;
        slips|returns) COMPREPLY=($(compgen -W "purchase shipment" -- "$cur")) ;;
        *) COMPREPLY=($(compgen -W "customers suppliers" -- "$cur")) ;;
      esac
      return ;;
    --by)
      if [[ ${words[1]} == trend || ${words[2]} == trend ]]; then
        COMPREPLY=($(compgen -W "partner item total" -- "$cur"))
      else
        COMPREPLY=($(compgen -W "item customer date" -- "$cur"))
      fi
      return ;;
    --of) COMPREPLY=($(compgen -W "sales purchases" -- "$cur")); return ;;
    --into) COMPREPLY=($(compgen -W "items suppliers customers" -- "$cur")); return ;;
    --format) COMPREPLY=($(compgen -W "json csv" -- "$cur")); return ;;
    --csv) _filedir csv; return ;;
    --out) _filedir pdf; return ;;
    --partner|--customer|--slip|--month|--from|--to|--min|--max|--year|--start-month|--amount|--date|--no|--note|--title|--honorific)
      return ;;
  esac
  if [[ $cword -eq 2 ]]; then
    case ${words[1]} in
      pdf) COMPREPLY=($(compgen -W "items suppliers customers delivery-note invoice claims receipt sales returns trend" -- "$cur")); return ;;
      archive) COMPREPLY=($(compgen -W "search verify" -- "$cur")); return ;;
    esac
  fi
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "--kind --partner --from --to --format --bom --crlf --as-shown --month --customer --by --hide-zero --subtotals --out --slip --min --max --of --year --start-month --into --csv --update --dry-run --password-stdin" -- "$cur"))
    return
  fi
  _filedir '@(TLG|tlg|json|csv)'
} && complete -F _tenpo_cli tenpo-cli
