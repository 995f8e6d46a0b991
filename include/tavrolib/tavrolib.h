/*
 * Tavrolib: the Nota Fiscal Paulista file writer.
 *
 * A host calls the library once per record, between Inicia_NF_Paulista and
 * Finaliza_NF_Paulista. Every record is cleaned, validated and either appended
 * to "VIZorudude.txt" (accepted) or reported in "erro_VIZorudude.txt"
 * (rejected, or accepted with observations); Finaliza_NF_Paulista writes the
 * statistics to "log_VIZorudude.txt". All three files go to the output
 * directory given at the start.
 *
 * Conventions of every function below:
 *
 *  1. Texts. Every argument is a pointer to a zero-terminated string of 8-bit
 *     characters in the Windows-1252 code page. NULL is the empty text. Any
 *     byte and any length may be passed; the library only reads an argument
 *     during the call and never keeps, changes or frees it.
 *  2. Numbers travel as texts with the regional decimal separator (a comma on
 *     Brazilian settings: "1234,56").
 *  3. Results. Inicia_NF_Paulista and every RegistroNN_* return 0 (accepted)
 *     or -1 (not accepted, or no run started); no other value occurs.
 *     Validators return a one-byte Boolean, TAVRO_BOOL: 1 valid, 0 not. Read
 *     only that byte.
 *  4. Filters return their text through an out-parameter allocated with the
 *     allocator shared with the host (malloc on Linux and other POSIX
 *     systems, CoTaskMemAlloc on Windows); see RemoveAlfaInvalid.
 *  5. Nothing fails out of the library: no exception, no abort. A file that
 *     cannot be written is reported to the user ("Erro ao tentar escrever no
 *     arquivo " and the path) and the call goes on.
 *  6. Threads: one run at a time, called from one thread at a time.
 *  7. Calling convention: __stdcall on 32-bit Windows (bind by plain name),
 *     the platform's C convention elsewhere.
 *  8. Output file encoding: each line is converted from Windows-1252 to UTF-8
 *     as it is written, after a UTF-8 byte-order mark; the error file and the
 *     log stay Windows-1252.
 */
#ifndef TAVROLIB_TAVROLIB_H
#define TAVROLIB_TAVROLIB_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(TAVROLIB_BUILD)
#    define TAVRO_API /* the DLL's .def file lists the exports by their plain names */
#  else
#    define TAVRO_API __declspec(dllimport)
#  endif
#  if defined(_M_IX86) || defined(__i386__)
#    define TAVRO_CALL __stdcall
#  else
#    define TAVRO_CALL
#  endif
#else
#  if defined(TAVROLIB_BUILD)
#    define TAVRO_API __attribute__((visibility("default")))
#  else
#    define TAVRO_API
#  endif
#  define TAVRO_CALL
#endif

/* One-byte Boolean of the validators: 1 valid, 0 not. */
typedef unsigned char TAVRO_BOOL;

#ifdef __cplusplus
extern "C" {
#endif

/* ===================== Run ===================== */

/* Version of the library interface: always 101. */
TAVRO_API int32_t TAVRO_CALL Info_Versao(void);

/* Starts a run. Checks that both directories exist and that the input
 * directory holds "cfop.res" and "ncm.res" (a message box names what is
 * missing), replaces the three files of an earlier run and resets the
 * counters. Returns 0, or -1 when a check failed or a run is already going
 * on (then silently, leaving that run untouched). */
TAVRO_API int32_t TAVRO_CALL Inicia_NF_Paulista(const char *diretorio_saida,
                                                const char *diretorio_entrada);

/* Ends the run: writes "log_VIZorudude.txt". Does nothing without a run. */
TAVRO_API void TAVRO_CALL Finaliza_NF_Paulista(void);

/* ===================== Records =====================
 * Each takes the record's fields in layout order and returns 0 when the
 * record was accepted and its line appended to "VIZorudude.txt", -1 when it
 * was rejected (see "erro_VIZorudude.txt") or no run was started. */

/* Header, both layouts: layout version ("1,00"), issuer CNPJ, start and end
 * date (DD/MM/AAAA). */
TAVRO_API int32_t TAVRO_CALL Registro10_CAT10207(const char *versao, const char *cnpj,
                                                 const char *data_inicio, const char *data_fim);

/* CAT 102/07 invoice header. An accepted one opens the invoice that records
 * 30 to 60 belong to; function "C" (cancellation) makes them be refused. */
TAVRO_API int32_t TAVRO_CALL Registro20_CAT10207(
    const char *funcao, const char *justificativa, const char *natureza_operacao,
    const char *serie, const char *numero, const char *data_emissao,
    const char *data_saida_entrada, const char *tipo_nf, const char *cfop,
    const char *ie_substituto, const char *inscricao_municipal,
    const char *cnpj_cpf_destinatario, const char *razao_social, const char *logradouro,
    const char *numero_endereco, const char *complemento, const char *bairro,
    const char *municipio, const char *uf, const char *cep, const char *pais,
    const char *telefone, const char *ie_destinatario);

/* CAT 102/07 invoice item. */
TAVRO_API int32_t TAVRO_CALL Registro30_CAT10207(
    const char *codigo_produto, const char *descricao, const char *ncm,
    const char *unidade, const char *quantidade, const char *valor_unitario,
    const char *valor_total_bruto, const char *cst, const char *aliquota_icms,
    const char *aliquota_ipi, const char *valor_ipi);

/* CAT 102/07 invoice totals; at most one per invoice. */
TAVRO_API int32_t TAVRO_CALL Registro40_CAT10207(
    const char *base_icms, const char *valor_icms, const char *base_icms_st,
    const char *valor_icms_st, const char *valor_produtos, const char *valor_frete,
    const char *valor_seguro, const char *valor_desconto, const char *valor_ipi,
    const char *outras_despesas, const char *valor_total_nf,
    const char *valor_servicos_nao_icms, const char *aliquota_iss, const char *valor_iss);

/* CAT 102/07 transport data; at most one per invoice. Freight mode "0" or "1". */
TAVRO_API int32_t TAVRO_CALL Registro50_CAT10207(
    const char *modalidade_frete, const char *cnpj_cpf, const char *razao_social,
    const char *inscricao_estadual, const char *endereco, const char *municipio,
    const char *uf, const char *placa, const char *uf_placa, const char *quantidade_volumes,
    const char *especie, const char *marca, const char *numeracao,
    const char *peso_liquido, const char *peso_bruto);

/* CAT 102/07 additional data; at most one per invoice. */
TAVRO_API int32_t TAVRO_CALL Registro60_CAT10207(const char *dados_fatura,
                                                 const char *informacoes_fisco,
                                                 const char *informacoes_contribuinte);

/* CAT 102/07 trailer: counts of accepted records 20 to 60, computed by the
 * library. Also reports each mandatory record type (10, 20, 90) that has no
 * accepted record, whatever the trailer's own result. */
TAVRO_API int32_t TAVRO_CALL Registro90_CAT10207(void);

/* CAT 98/07 consumer-sale invoice header. An accepted one adds its invoice
 * total (field 22) to the sum that Registro90_CAT9807 writes; a total that
 * was accepted but does not read as a number (such as "15/00") adds nothing,
 * and the record still returns 0. */
TAVRO_API int32_t TAVRO_CALL Registro20_CAT9807(
    const char *serie, const char *subserie, const char *numero, const char *data_emissao,
    const char *data_saida, const char *cpf_cnpj, const char *nome, const char *logradouro,
    const char *numero_endereco, const char *complemento, const char *bairro,
    const char *municipio, const char *uf, const char *cep, const char *telefone,
    const char *valor_produtos, const char *valor_desconto, const char *valor_frete,
    const char *valor_seguro, const char *outras_despesas,
    const char *descricao_outras_despesas, const char *valor_total,
    const char *info_contribuinte, const char *info_fisco, const char *entrega_domicilio,
    const char *entrega_logradouro, const char *entrega_numero,
    const char *entrega_complemento, const char *entrega_bairro,
    const char *entrega_municipio, const char *entrega_uf, const char *venda_prazo,
    const char *preco_vista, const char *preco_final, const char *quantidade_parcelas);

/* CAT 98/07 item. */
TAVRO_API int32_t TAVRO_CALL Registro21_CAT9807(
    const char *numero_item, const char *codigo_produto, const char *tipo_receita,
    const char *descricao, const char *unidade, const char *quantidade,
    const char *valor_unitario, const char *valor_total);

/* CAT 98/07 instalment: value and due date (DD/MM/AAAA). */
TAVRO_API int32_t TAVRO_CALL Registro22_CAT9807(const char *valor_parcela,
                                                const char *data_vencimento);

/* CAT 98/07 trailer: counts of accepted records 20, 21, 22 and the sum of
 * the accepted invoice totals, computed by the library; mandatory-type
 * reports as in Registro90_CAT10207. */
TAVRO_API int32_t TAVRO_CALL Registro90_CAT9807(void);

/* ===================== Filters =====================
 * Both store in *destino a new zero-terminated text: the input without the
 * characters the filter drops. The previous value of *destino, when not
 * NULL, is released first, with the same shared allocator. So initialise the
 * variable to NULL, pass its address on every call, and release it once at
 * the end:
 *   C:       char *s = NULL; RemoveNumInvalid(&s, "R$ 1.234,56"); ... free(s);
 *            (on Windows: CoTaskMemFree(s))
 *   ctypes:  s = ctypes.c_void_p(); lib.RemoveNumInvalid(ctypes.byref(s), b"R$ 1,50")
 *            ctypes.string_at(s) is the text; release once with
 *            ctypes.CDLL(None).free(s) (Windows: ctypes.windll.ole32.CoTaskMemFree(s)).
 *   .NET:    [DllImport] void RemoveNumInvalid(ref IntPtr destino, string texto)
 *            with IntPtr.Zero at first; Marshal.PtrToStringAnsi, then
 *            Marshal.FreeCoTaskMem once. (A "ref string" parameter also
 *            works: the marshaller frees with CoTaskMemFree.)
 * A NULL destino is ignored. */

/* Drops bytes 0-31, "!" and "|"; every other byte stays, in order. */
TAVRO_API void TAVRO_CALL RemoveAlfaInvalid(char **destino, const char *texto);

/* Keeps only the digits and ",", "/" and ":". */
TAVRO_API void TAVRO_CALL RemoveNumInvalid(char **destino, const char *texto);

/* ===================== Validators =====================
 * Need no run, except vCOD_CFOP and vCOD_NCM (they read the lists of the
 * input directory of the latest start) and vItemNF (invoice state). */

/* A real date written DD/MM/AAAA, year 1 to 9999 (separators not checked). */
TAVRO_API TAVRO_BOOL TAVRO_CALL IsVIZorududeDate(const char *data);
/* CPF check digits (punctuation allowed; short numbers are completed with
 * zeros on the right). */
TAVRO_API TAVRO_BOOL TAVRO_CALL vCPF(const char *cpf);
/* CNPJ: the first 14 characters are digits with valid check digits. */
TAVRO_API TAVRO_BOOL TAVRO_CALL vCNPJ(const char *cnpj);
/* One of the 27 state codes or "EX" (any case, blanks around allowed). */
TAVRO_API TAVRO_BOOL TAVRO_CALL vUF(const char *uf);
/* An 8-digit CEP whose prefix lies in the range of the state (upper case). */
TAVRO_API TAVRO_BOOL TAVRO_CALL vCEP_UF(const char *cep, const char *uf);
/* Layout version "1,00". */
TAVRO_API TAVRO_BOOL TAVRO_CALL vLeiaute(const char *versao);
/* Tax situation code: origin 0-2 then 00,10,20,30,40,41,50,51,60,70,90. */
TAVRO_API TAVRO_BOOL TAVRO_CALL vCST(const char *cst);
/* A CFOP that begins a line of cfop.res after its header line. */
TAVRO_API TAVRO_BOOL TAVRO_CALL vCOD_CFOP(const char *cfop);
/* An NCM that begins a line of ncm.res. */
TAVRO_API TAVRO_BOOL TAVRO_CALL vCOD_NCM(const char *ncm);
/* Freight mode: an integer 0 or 1. */
TAVRO_API TAVRO_BOOL TAVRO_CALL vInd_tipo_frete(const char *modalidade);
/* Function of the invoice record: "I", "R" or "C". */
TAVRO_API TAVRO_BOOL TAVRO_CALL vFunc_Reg(const char *funcao);
/* False only for function "C"/"c" with a blank justification. */
TAVRO_API TAVRO_BOOL TAVRO_CALL vxJust(const char *justificativa, const char *funcao);
/* Invoice type "0" or "1". */
TAVRO_API TAVRO_BOOL TAVRO_CALL vtpNF(const char *tipo);
/* False while the current CAT 102/07 invoice is a cancellation; the argument
 * is not used. */
TAVRO_API TAVRO_BOOL TAVRO_CALL vItemNF(const char *tipo_registro);
/* NFVC series "1", "2" or "3". */
TAVRO_API TAVRO_BOOL TAVRO_CALL vSerie_NFVC(const char *serie);
/* Home delivery "1" or "2". */
TAVRO_API TAVRO_BOOL TAVRO_CALL vEntrega_Domicilio(const char *valor);
/* Sale on credit "1" or "2". */
TAVRO_API TAVRO_BOOL TAVRO_CALL vRealiza_Venda_Prazo(const char *valor);
/* Revenue type "1", "2" or "3". */
TAVRO_API TAVRO_BOOL TAVRO_CALL vTipo_Receita(const char *valor);

/* ===================== Extension: message handler =====================
 * Start-up failures and failed writes are shown to the user: a message box
 * with one OK button on Windows, one line on standard error elsewhere. A
 * host that draws its own boxes (or a test) sets a handler: every such text
 * (Windows-1252) then goes to it instead. NULL restores the default. */
typedef void (TAVRO_CALL *TavroTratadorMensagem)(const char *texto);
TAVRO_API void TAVRO_CALL DefineTratadorMensagem(TavroTratadorMensagem tratador);

#ifdef __cplusplus
}
#endif

#endif /* TAVROLIB_TAVROLIB_H */
